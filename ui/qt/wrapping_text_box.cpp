#include "wrapping_text_box.h"

#include "ui/text_fit.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>

namespace ui {

namespace {

int lineHeight(int pixels) { return qRound(pixels * 1.2); }

// The same text with every digit alike: texts of one shape have ink of one height.
QString shapeOf(QString text)
{
    for (QChar& c : text) {
        if (c.isDigit())
            c = u'0';
    }
    return text;
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

WrappingTextBox::WrappingTextBox(Qt::Alignment alignment, QWidget* parent)
    : QTextEdit(parent)
{
    // The timer rewrites the text, so typing would be lost; it can still be
    // selected, copied and reached with Tab.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    document()->setDocumentMargin(0);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    document()->setDefaultTextOption(option);
    probe_.setDefaultTextOption(option);
    probe_.setDocumentMargin(0);
}

void WrappingTextBox::setTypeSize(int pixels)
{
    typeSize_ = pixels;
    lastShape_.clear();
    QFont sized = font();
    sized.setPixelSize(pixels);
    setFont(sized);
}

void WrappingTextBox::prepare(QTextDocument& target, const QString& text, int pixels) const
{
    QFont sized = font();
    sized.setPixelSize(pixels);
    target.setDefaultFont(sized);
    target.clear();
    QTextBlockFormat spacing;
    spacing.setLineHeight(lineHeight(pixels), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(&target);
    cursor.setBlockFormat(spacing); // and every block after a line feed
    cursor.insertText(text);
}

WrappingTextBox::Fit WrappingTextBox::fit(const QString& text, int pixels) const
{
    const QSize room = viewport()->size();
    probe_.setTextWidth(room.width());
    prepare(probe_, text, pixels);
    probe_.size(); // lays the lines out

    Fit result;
    bool narrowEnough = true;
    for (QTextBlock block = probe_.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        result.lines += lines->lineCount();
        for (int i = 0; i < lines->lineCount(); ++i)
            narrowEnough = narrowEnough && lines->lineAt(i).naturalTextWidth() <= room.width();
    }
    if (!narrowEnough || result.lines * lineHeight(pixels) > room.height())
        return result; // need not be drawn to know

    // The ink as drawn at the screen's scale, with room all round for what reaches
    // beyond the lines.
    const qreal scale = devicePixelRatioF();
    const QPoint margin(room.width(), room.height());
    QImage picture(room * 3 * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.translate(margin);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    probe_.documentLayout()->draw(&painter, context);
    painter.end();

    const QRect drawn = inkOf(picture);
    if (!drawn.isNull()) {
        // Whole pixels of the box that any of the ink touches.
        const auto pixel = [scale](int device) { return int(std::floor(device / scale)); };
        result.ink = QRect(QPoint(pixel(drawn.left()), pixel(drawn.top())),
            QPoint(pixel(drawn.right()), pixel(drawn.bottom())))
                         .translated(-margin);
    }
    // A pixel clear of the border all round.
    result.whole = result.ink.left() >= 1 && result.ink.right() < room.width() - 1
        && result.ink.height() <= room.height() - 2;
    return result;
}

void WrappingTextBox::setText(const QString& text)
{
    if (toPlainText() == text)
        return;
    if (typeSize_ == 0)
        typeSize_ = QFontInfo(font()).pixelSize();

    // The largest size at which the text shows whole, or the smallest tried.
    const QString shape = shapeOf(text);
    if (shape != lastShape_) {
        const int smallest = static_cast<int>(std::ceil(typeSize_ * kSmallestBoxTypeShare));
        for (lastPixels_ = typeSize_;; --lastPixels_) {
            lastFit_ = fit(text, lastPixels_);
            if (lastFit_.whole || lastPixels_ <= smallest)
                break;
        }
        lastShape_ = shape;
    }

    prepare(*document(), text, lastPixels_);
    // The lines' ink in the middle of the box.
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin((viewport()->height() - lastFit_.ink.height()) / 2 - lastFit_.ink.top());
    document()->rootFrame()->setFrameFormat(frame);
}

} // namespace ui
