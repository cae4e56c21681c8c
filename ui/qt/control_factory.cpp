#include "control_factory.h"

#include "assets.h"
#include "qt_text.h"
#include "system_colors.h"
#include "wrapping_text_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

Qt::Alignment alignmentOf(const ControlSpec& spec)
{
    return spec.align == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget* createLabel(const ControlSpec& spec, QWidget* window)
{
    auto* label = new QLabel(toQString(spec.caption), window);
    label->setAlignment(alignmentOf(spec) | Qt::AlignTop);
    setColor(label, QPalette::WindowText, spec.foreground);
    return label;
}

QWidget* createPicture(QWidget* window)
{
    auto* picture = new QLabel(window);
    picture->setPixmap(loadPicture(QStringLiteral(":/assets/portrait.png")));
    return picture;
}

QWidget* createKey(const ControlSpec& spec, QWidget* window)
{
    auto* key = new QPushButton(toQString(spec.caption), window);
    key->setAutoDefault(false);
    return key;
}

QWidget* createLineBox(const ControlSpec& spec, QWidget* window)
{
    auto* box = new QLineEdit(window);
    box->setMaxLength(std::numeric_limits<int>::max()); // the display has no length limit
    box->setAlignment(alignmentOf(spec) | Qt::AlignVCenter);
    return box;
}

QWidget* createTextBox(const ControlSpec& spec, QWidget* window)
{
    QWidget* box = spec.multiLine ? new WrappingTextBox(alignmentOf(spec), window)
                                  : createLineBox(spec, window);
    box->setAutoFillBackground(true);
    setColor(box, QPalette::Base, spec.background);
    setColor(box, QPalette::Text, spec.foreground);
    return box;
}

QFont controlFont(const ControlSpec& spec)
{
    const FormSpec& form = formSpec();
    const QString family = fromAscii(form.fontFamily);
    QFont font;
    font.setFamily(family);
    if (!spec.westernCharset) {
        // Controls with the Arabic character set fall back to a face that has the
        // Arabic letters, rather than to whatever the system picks.
        font.setFamilies({ family, fromAscii(form.arabicFallbackFamily) });
    }
    font.setPointSizeF(spec.fontPoints);
    font.setBold(true);
    return font;
}

} // namespace

QWidget* createControl(const ControlSpec& spec, QWidget* window)
{
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::Label:
        widget = createLabel(spec, window);
        break;
    case ControlKind::Picture:
        widget = createPicture(window);
        break;
    case ControlKind::Key:
        widget = createKey(spec, window);
        break;
    case ControlKind::TextBox:
        widget = createTextBox(spec, window);
        break;
    case ControlKind::Timer:
        return nullptr;
    }
    widget->setObjectName(fromAscii(spec.name));
    widget->setGeometry(
        toPixels(spec.left), toPixels(spec.top), toPixels(spec.width), toPixels(spec.height));
    if (spec.fontPoints > 0)
        widget->setFont(controlFont(spec));
    if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Picture)
        widget->setFocusPolicy(Qt::NoFocus);
    if (!spec.accessibleName.empty())
        widget->setAccessibleName(fromAscii(spec.accessibleName));
    return widget;
}

} // namespace ui
