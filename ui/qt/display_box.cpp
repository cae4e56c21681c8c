#include "display_box.h"

#include "qt_text.h"
#include "ui/layout.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace ui::qt {

namespace {

constexpr int kPadding = 2; // QLineEdit keeps its text this far from each side

} // namespace

DisplayBox::DisplayBox(const QFont& font, QWidget* parent)
    : QLineEdit(parent)
    , font_(font)
{
    setFont(font);
    setMaxLength(std::numeric_limits<int>::max()); // the display has no length limit
    setTextMargins(0, 0, indicatorOverlapTwips() / kTwipsPerPixel, 0);
}

double DisplayBox::room() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).width() - 2 * kPadding;
}

double DisplayBox::naturalWidth(std::u16string_view text) const
{
    return QFontMetricsF(font_, this).horizontalAdvance(toQString(text));
}

double DisplayBox::drawnWidth(std::u16string_view text, DisplayScale scale) const
{
    return QFontMetricsF(scaled(scale), this).horizontalAdvance(toQString(text));
}

QFont DisplayBox::scaled(DisplayScale scale) const
{
    QFont result = font_;
    result.setStretch(std::max(1, static_cast<int>(scale.stretch * 100)));
    result.setPointSizeF(font_.pointSizeF() * scale.size);
    return result;
}

void DisplayBox::setScale(DisplayScale scale)
{
    const QFont fitted = scaled(scale);
    if (fitted != font())
        setFont(fitted);
}

} // namespace ui::qt
