#pragma once

#include "ui/message_box.h"

#include <QMessageBox>

#include <memory>

namespace ui::qt {

// Shows a modal message box and returns the button that closed it. The window asks
// through this interface, so tests can answer instead of a person.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual Answer present(QWidget* parent, const QString& text, MessageBoxStyle style) = 0;
};

// The real thing: a QMessageBox that waits for the user.
class ModalMessageBoxes final : public MessagePresenter {
public:
    Answer present(QWidget* parent, const QString& text, MessageBoxStyle style) override;
};

// The box a style asks for, with the application title, its icon and its buttons,
// the first of them the default and the last the one Escape presses.
std::unique_ptr<QMessageBox> makeMessageBox(
    QWidget* parent, const QString& text, MessageBoxStyle style);

// The answer a pressed standard button gives.
Answer answerOf(int standardButton);

} // namespace ui::qt
