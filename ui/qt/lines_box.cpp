#include "lines_box.h"

#include "qt_text.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>

namespace ui::qt {

namespace {

// The baseline's place below a line's top: room above for tall capitals and marks.
constexpr double kBaseline = 0.9;

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
    // The classic sunken edge, two pixels deep: the box's inside is as large as on
    // the other desktops, and its lines are laid out alike.
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    // The timer rewrites the text, so typing would be lost; it can still be
    // selected, copied and reached with Tab.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::NoWrap);
    document()->setDocumentMargin(0);
}

QFont LinesBox::fontAt(int pixels) const
{
    QFont sized = font();
    sized.setPixelSize(pixels);
    // Letters as wide as the face draws them, not stretched to whole pixels each: the
    // box's lines are laid out by their widths, alike in every Qt and in every home.
    sized.setHintingPreference(QFont::PreferVerticalHinting);
    return sized;
}

BoxRoom LinesBox::room() const
{
    // The type size of the box's points at the screen's dots per inch, as every home
    // works it out: Qt 5 would round 9.75 points up to the next size it knows.
    const QSize inside = viewport()->size();
    return { inside.width(), inside.height(), qRound(font().pointSizeF() * logicalDpiY() / 72) };
}

void LinesBox::layOut(QTextLayout& layout, int pixels) const
{
    layout.setFont(fontAt(pixels));
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, std::lround(pixels * kBaseline) - line.ascent()));
    layout.endLayout();
}

int LinesBox::width(std::u16string_view text, int pixels) const
{
    QTextLayout layout(toQString(text));
    layOut(layout, pixels);
    return static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth() - 1e-6));
}

std::optional<Ink> LinesBox::ink(std::u16string_view text, int pixels) const
{
    QTextLayout layout(toQString(text));
    layOut(layout, pixels);
    // Drawn at the screen's scale, with room all round for what reaches beyond the
    // line: faces with Arabic letters reach far above and below their type size.
    const qreal scale = devicePixelRatioF();
    const QPoint margin(2 * pixels, 2 * linePitch(pixels));
    const QSize room(width(text, pixels) + 2 * margin.x(), linePitch(pixels) + 2 * margin.y());
    QImage picture(room * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    layout.draw(&painter, margin);
    painter.end();

    const QRect drawn = inkOf(picture);
    if (drawn.isNull())
        return std::nullopt;
    // Whole pixels of the box that any of the ink touches.
    const auto pixel = [scale](int device) { return static_cast<int>(std::floor(device / scale)); };
    return Ink { pixel(drawn.left()) - margin.x(), pixel(drawn.top()) - margin.y(),
        pixel(drawn.right()) + 1 - margin.x(), pixel(drawn.bottom()) + 1 - margin.y() };
}

void LinesBox::showLines(const QString& text, const BoxLayout& layout)
{
    text_ = text;
    typeSize_ = layout.typeSize;
    shown_.clear();
    for (const PlacedLine& line : layout.lines) {
        shown_.push_back(
            { text.mid(static_cast<qsizetype>(line.start), static_cast<qsizetype>(line.length)),
                QPoint(line.x, line.top) });
    }
    setDocumentLines(layout);
    viewport()->update();
}

// The document holds the same lines near where they are drawn, in no colour of its
// own: what it shows is its selection, under the lines drawn over it.
void LinesBox::setDocumentLines(const BoxLayout& layout)
{
    document()->clear();
    QTextCursor cursor(document());
    QTextCharFormat type;
    type.setFont(fontAt(layout.typeSize));
    type.setForeground(Qt::transparent);
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        QTextBlockFormat format;
        format.setLineHeight(linePitch(layout.typeSize), QTextBlockFormat::FixedHeight);
        format.setLeftMargin(std::max(shown_[i].at.x(), 0));
        format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        if (i > 0)
            cursor.insertBlock(format, type);
        else
            cursor.setBlockFormat(format);
        cursor.insertText(shown_[i].text, type);
    }
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin(shown_.empty() ? 0 : std::max(shown_.front().at.y(), 0));
    document()->rootFrame()->setFrameFormat(frame);
}

void LinesBox::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event); // the background and any selection
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    for (const ShownLine& line : shown_) {
        QTextLayout layout(line.text);
        layOut(layout, typeSize_);
        layout.draw(&painter, line.at);
    }
}

} // namespace ui::qt
