#include "control_factory.h"

#include "assets.h"
#include "control_font.h"
#include "qt_text.h"
#include "system_colors.h"
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

QWidget* createLabel(const LayoutRow& row, QWidget* window)
{
    auto* label = new QLabel(toQString(row.caption), window);
    label->setAlignment(alignmentOf(row) | Qt::AlignTop);
    setColor(label, QPalette::WindowText, row.foreground);
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
// A text wider than what is left is set narrower, down to kNarrowest per cent of
// its width: every result then shows whole (the longest need about 87 %), and a
// longer typed entry scrolls with the caret in sight.
class DisplayBox final : public QLineEdit {
public:
    explicit DisplayBox(QWidget* parent)
        : QLineEdit(parent)
    {
        setTextMargins(0, 0, toPixels(indicatorOverlapTwips()), 0);
        connect(this, &QLineEdit::textChanged, this, &DisplayBox::fitText);
    }

private:
    static constexpr int kNarrowest = 80;
    static constexpr int kPadding = 2; // QLineEdit keeps its text this far from each side

    void fitText(const QString& text)
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        const int room = contents.marginsRemoved(textMargins()).width() - 2 * kPadding;
        QFont narrowed = font();
        narrowed.setStretch(100);
        while (narrowed.stretch() > kNarrowest
            && QFontMetricsF(narrowed).horizontalAdvance(text) > room) {
            const qreal width = QFontMetricsF(narrowed).horizontalAdvance(text);
            narrowed.setStretch(std::max(kNarrowest, int(narrowed.stretch() * room / width)));
        }
        if (narrowed != font())
            setFont(narrowed);
    }
};

QWidget* createLineBox(const LayoutRow& row, QWidget* window)
{
    auto* box = row.id == Control::TEXT1 ? new DisplayBox(window) : new QLineEdit(window);
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
    setColor(box, QPalette::Text, row.foreground);
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
