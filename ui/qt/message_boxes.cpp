#include "message_boxes.h"

#include "qt_text.h"
#include "ui/app_info.h"

namespace ui::qt {

namespace {

QMessageBox::Icon iconFor(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(
    QWidget* parent, const QString& text, MessageBoxStyle style)
{
    auto messageBox = std::make_unique<QMessageBox>(parent);
    messageBox->setWindowTitle(toQString(kApplicationTitle));
    messageBox->setText(text);
    messageBox->setTextFormat(Qt::PlainText);
    messageBox->setIcon(iconFor(style.icon));
    messageBox->setWindowModality(Qt::ApplicationModal);
    const auto buttons = buttonsOf(style.buttons);
    for (const MessageButton& button : buttons)
        messageBox->addButton(standardButton(button.answer));
    messageBox->setDefaultButton(standardButton(buttons.front().answer));
    messageBox->setEscapeButton(messageBox->button(standardButton(buttons.back().answer)));
    return messageBox;
}

Answer answerOf(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

Answer ModalMessageBoxes::present(QWidget* parent, const QString& text, MessageBoxStyle style)
{
    const auto messageBox = makeMessageBox(parent, text, style);
    return answerOf(messageBox->exec());
}

} // namespace ui::qt
