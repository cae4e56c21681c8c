#include "control_factory.h"

#include "assets.h"
#include "control_font.h"
#include "qt_text.h"
#include "system_colors.h"
#include "ui/text_fit.h"
#include "wrapping_text_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

void setColor(QWidget* widget, QPalette::ColorRole role, std::uint32_t value)
{
    if (value == color::kTransparent)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(value, palette));
    widget->setPalette(palette);
}

Qt::Alignment alignmentOf(const LayoutRow& row)
{
    return row.align == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
}

// A system text colour on a background of the control's own, or, for a
// transparent label, on the window's.
void setTextColor(QWidget* widget, QPalette::ColorRole role, const LayoutRow& row)
{
    QPalette palette = widget->palette();
    QColor text = toQColor(row.foreground, palette);
    if (color::isSystem(row.foreground)) {
        const std::uint32_t background
            = row.background == color::kTransparent ? windowRow().background : row.background;
        text = readableOn(text, toQColor(background, palette));
    }
    palette.setColor(role, text);
    widget->setPalette(palette);
}

QWidget* createLabel(const LayoutRow& row, QWidget* window)
{
    auto* label = new QLabel(toQString(row.caption), window);
    label->setAlignment(alignmentOf(row) | Qt::AlignTop);
    setTextColor(label, QPalette::WindowText, row);
    return label;
}

// A label is as tall as its box in the layout, or taller where its text reaches
// further down: it is transparent, so the few pixels more hide nothing, and the
// descenders show whole.
void fitHeightToText(QLabel* label)
{
    const QFontMetrics metrics(label->font());
    const int textBottom = metrics.ascent() + metrics.tightBoundingRect(label->text()).bottom() + 1;
    label->resize(label->width(), std::max({ label->height(), metrics.height(), textBottom }));
}

QWidget* createPicture(QWidget* window)
{
    auto* picture = new QLabel(window);
    picture->setPixmap(loadPicture(QStringLiteral(":/assets/portrait.png")));
    return picture;
}

QWidget* createKey(const LayoutRow& row, QWidget* window)
{
    auto* key = new QPushButton(toQString(row.caption), window);
    key->setAutoDefault(false);
    return key;
}

// The display. The memory indicator stands in front of its right end, so its text
// ends where the indicator begins and scrolls before it would pass under the box.
// A text wider than what is left is set narrower, and a result smaller too, so
// that every result shows whole; a longer typed entry scrolls with the caret in
// sight.
class DisplayBox final : public QLineEdit {
public:
    DisplayBox(const QFont& font, QWidget* parent)
        : QLineEdit(parent)
        , font_(font)
    {
        setFont(font);
        setTextMargins(0, 0, toPixels(indicatorOverlapTwips()), 0);
        connect(this, &QLineEdit::textChanged, this, &DisplayBox::fitText);
    }

private:
    static constexpr int kPadding = 2; // QLineEdit keeps its text this far from each side

    static QFont scaled(const QFont& font, double stretch, double size)
    {
        QFont result = font;
        result.setStretch(std::max(1, int(stretch * 100)));
        result.setPointSizeF(font.pointSizeF() * size);
        return result;
    }

    void fitText(const QString& text)
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        const int room = contents.marginsRemoved(textMargins()).width() - 2 * kPadding;
        const QFontMetricsF natural(font_, this);
        const auto measure = [&natural](std::u16string_view piece) {
            return natural.horizontalAdvance(toQString(piece));
        };
        const DisplayScale scale = displayScale(toU16View(text), room, measure);
        apply(scaled(font_, scale.stretch, scale.size));
        // Whole percents, the face's own sizes, and Qt 5's stretching, which some
        // faces do not take, may leave a result a little wider than asked: it is
        // then set a step smaller again, as drawn.
        for (double size = scale.size; text.size() <= int(kLongestResult) && size > 0.1
             && QFontMetricsF(font(), this).horizontalAdvance(text) > room;) {
            size *= 0.97;
            apply(scaled(font_, scale.stretch, size));
        }
    }

    void apply(const QFont& fitted)
    {
        if (fitted != font())
            setFont(fitted);
    }

    QFont font_; // as the layout gives it
};

QWidget* createLineBox(const LayoutRow& row, QWidget* window)
{
    auto* box = row.id == Control::TEXT1 ? new DisplayBox(controlFont(row), window)
                                         : new QLineEdit(window);
    box->setMaxLength(std::numeric_limits<int>::max()); // the display has no length limit
    box->setAlignment(alignmentOf(row) | Qt::AlignVCenter);
    return box;
}

QWidget* createTextBox(const LayoutRow& row, QWidget* window)
{
    QWidget* box = row.multiLine ? new WrappingTextBox(alignmentOf(row), window)
                                 : createLineBox(row, window);
    box->setAutoFillBackground(true);
    setColor(box, QPalette::Base, row.background);
    setTextColor(box, QPalette::Text, row);
    return box;
}

} // namespace

QWidget* createControl(const LayoutRow& row, QWidget* window)
{
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
        widget = createLabel(row, window);
        break;
    case ControlKind::Picture:
        widget = createPicture(window);
        break;
    case ControlKind::Key:
        widget = createKey(row, window);
        break;
    case ControlKind::TextBox:
        widget = createTextBox(row, window);
        break;
    case ControlKind::Timer:
        return nullptr;
    }
    widget->setObjectName(fromAscii(row.name));
    widget->setGeometry(
        toPixels(row.left), toPixels(row.top), toPixels(row.width), toPixels(row.height));
    if (row.fontPoints > 0)
        widget->setFont(controlFont(row));
    if (row.kind == ControlKind::Label)
        fitHeightToText(static_cast<QLabel*>(widget));
    if (row.kind == ControlKind::Label || row.kind == ControlKind::Picture)
        widget->setFocusPolicy(Qt::NoFocus);
    if (!row.accessibleName.empty())
        widget->setAccessibleName(fromAscii(row.accessibleName));
    return widget;
}

} // namespace ui
