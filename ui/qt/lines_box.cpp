#include "lines_box.h"

#include "qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>

namespace ui::qt {

namespace {

void setUpDocument(QTextDocument& document)
{
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap); // the lines are laid out already
    document.setDefaultTextOption(option);
}

// The rows and columns drawn on, in a picture filled with white.
QRect inkOf(const QImage& image)
{
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != 0xFFFFFFFF) {
                top = std::min(top, y);
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

LinesBox::LinesBox(QWidget* parent)
    : QTextEdit(parent)
{
    // The timer rewrites the text, so typing would be lost; it can still be
    // selected, copied and reached with Tab.
    // The classic sunken edge, two pixels deep: the box's inside is as large as on
    // the other desktops, and its lines are laid out alike.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::NoWrap);
    setUpDocument(*document());
    setUpDocument(probe_);
}

QFont LinesBox::fontAt(int pixels) const
{
    QFont sized = font();
    sized.setPixelSize(pixels);
    return sized;
}

BoxRoom LinesBox::room() const
{
    const QSize inside = viewport()->size();
    return { inside.width(), inside.height(), QFontInfo(font()).pixelSize() };
}

void LinesBox::setLine(
    QTextCursor& cursor, const QString& line, int pixels, int left, bool first) const
{
    QTextBlockFormat format;
    format.setLineHeight(linePitch(pixels), QTextBlockFormat::FixedHeight);
    format.setLeftMargin(left);
    format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    QTextCharFormat type;
    type.setFont(fontAt(pixels));
    if (first)
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format);
    cursor.insertText(line, type);
}

void LinesBox::showLines(const QString& text, const BoxLayout& layout)
{
    text_ = text;
    document()->clear();
    QTextCursor cursor(document());
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const PlacedLine& line = layout.lines[i];
        setLine(cursor,
            text.mid(static_cast<qsizetype>(line.start), static_cast<qsizetype>(line.length)),
            layout.typeSize, line.x, i == 0);
    }
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin(layout.lines.empty() ? 0 : layout.lines.front().top);
    document()->rootFrame()->setFrameFormat(frame);
}

int LinesBox::width(std::u16string_view text, int pixels) const
{
    QTextLayout layout(toQString(text), fontAt(pixels));
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    const qreal advance = line.naturalTextWidth();
    layout.endLayout();
    return static_cast<int>(std::ceil(advance - 1e-6));
}

std::optional<Ink> LinesBox::ink(std::u16string_view text, int pixels) const
{
    probe_.clear();
    QTextCursor cursor(&probe_);
    setLine(cursor, toQString(text), pixels, 0, true);

    // Drawn at the screen's scale, with room all round for what reaches beyond the
    // line: faces with Arabic letters reach far above and below their type size.
    const qreal scale = devicePixelRatioF();
    const QSize room(width(text, pixels) + 4 * pixels, 5 * linePitch(pixels));
    const QPoint margin(2 * pixels, 2 * linePitch(pixels));
    QImage picture(room * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.translate(margin);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    probe_.documentLayout()->draw(&painter, context);
    painter.end();

    const QRect drawn = inkOf(picture);
    if (drawn.isNull())
        return std::nullopt;
    // Whole pixels of the box that any of the ink touches.
    const auto pixel = [scale](int device) { return static_cast<int>(std::floor(device / scale)); };
    return Ink { pixel(drawn.left()) - margin.x(), pixel(drawn.top()) - margin.y(),
        pixel(drawn.right()) + 1 - margin.x(), pixel(drawn.bottom()) + 1 - margin.y() };
}

} // namespace ui::qt
