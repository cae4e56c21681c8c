#include "control_factory.h"

#include "assets.h"
#include "control_font.h"
#include "display_box.h"
#include "lines_box.h"
#include "qt_text.h"
#include "system_colors.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace ui::qt {

namespace {

Qt::Alignment alignmentOf(const LayoutRow& row)
{
    return row.align == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
}

void setColors(QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole background,
    const LayoutRow& row, const Palette& colors)
{
    QPalette palette = widget->palette();
    palette.setColor(text, toQColor(colors.text(row.id)));
    if (const auto behind = colors.background(row.id))
        palette.setColor(background, toQColor(*behind));
    widget->setPalette(palette);
}

QWidget* createLabel(const LayoutRow& row, QWidget* window, const Palette& colors)
{
    auto* label = new QLabel(toQString(row.caption), window);
    label->setAlignment(alignmentOf(row) | Qt::AlignTop);
    setColors(label, QPalette::WindowText, QPalette::Window, row, colors);
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

QWidget* createTextBox(const LayoutRow& row, QWidget* window, const Palette& colors)
{
    QWidget* box = nullptr;
    if (row.multiLine) {
        box = new LinesBox(window);
    } else {
        auto* line = row.id == Control::TEXT1 ? new DisplayBox(controlFont(row), window)
                                              : new QLineEdit(window);
        line->setAlignment(alignmentOf(row) | Qt::AlignVCenter);
        box = line;
    }
    box->setAutoFillBackground(true);
    setColors(box, QPalette::Text, QPalette::Base, row, colors);
    return box;
}

} // namespace

QWidget* createControl(const LayoutRow& row, QWidget* window, const Palette& colors)
{
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
        widget = createLabel(row, window, colors);
        break;
    case ControlKind::Picture:
        widget = createPicture(window);
        break;
    case ControlKind::Key:
        widget = createKey(row, window);
        break;
    case ControlKind::TextBox:
        widget = createTextBox(row, window, colors);
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
    widget->setAccessibleDescription(fromAscii(row.description));
    return widget;
}

} // namespace ui::qt
