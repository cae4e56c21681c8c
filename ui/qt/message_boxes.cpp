#include "message_boxes.h"

#include "qt_text.h"
#include "ui/app_info.h"
#include "ui/platform.h"

namespace ui {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;

QMessageBox::Icon iconFor(int style)
{
    switch (style & kIconMask) {
    case box::kCritical:
        return QMessageBox::Critical;
    case box::kQuestion:
        return QMessageBox::Question;
    case box::kExclamation:
        return QMessageBox::Warning;
    case box::kInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, int style)
{
    auto messageBox = std::make_unique<QMessageBox>(parent);
    messageBox->setWindowTitle(toQString(kApplicationTitle));
    messageBox->setText(text);
    messageBox->setTextFormat(Qt::PlainText);
    messageBox->setIcon(iconFor(style));
    messageBox->setWindowModality(Qt::ApplicationModal);
    if ((style & kButtonsMask) == box::kYesNo) {
        messageBox->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        messageBox->setDefaultButton(QMessageBox::Yes);
    } else {
        messageBox->setStandardButtons(QMessageBox::Ok);
        messageBox->setDefaultButton(QMessageBox::Ok);
    }
    return messageBox;
}

int buttonCode(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Yes:
        return box::kYes;
    case QMessageBox::No:
        return box::kNo;
    default:
        return box::kOk;
    }
}

int ModalMessageBoxes::present(QWidget* parent, const QString& text, int style)
{
    const auto messageBox = makeMessageBox(parent, text, style);
    return buttonCode(messageBox->exec());
}

} // namespace ui
