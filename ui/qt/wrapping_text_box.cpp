#include "wrapping_text_box.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextLayout>

namespace ui {

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
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

void WrappingTextBox::setText(const QString& text)
{
    if (toPlainText() == text)
        return;
    setPlainText(text);
    QTextBlockFormat spacing;
    spacing.setLineHeight(lineHeight(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(spacing);
}

int WrappingTextBox::lineHeight() const { return qRound(fontInfo().pixelSize() * 1.2); }

bool WrappingTextBox::showsWhole(const QString& text) const
{
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    QTextLayout layout(text, font());
    layout.setTextOption(option);
    const QRect room = contentsRect();
    bool fits = true;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        fits = fits && line.naturalTextWidth() <= room.width();
        ++lines;
    }
    layout.endLayout();
    return fits && lines * lineHeight() <= room.height();
}

} // namespace ui
