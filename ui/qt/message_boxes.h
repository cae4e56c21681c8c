#pragma once

#include <QMessageBox>

#include <memory>

namespace ui {

// Shows a modal message box and returns the code of the button that closed it.
// The window asks through this interface, so tests can answer instead of a person.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual int present(QWidget* parent, const QString& text, int style) = 0;
};

// The real thing: a QMessageBox that waits for the user.
class ModalMessageBoxes final : public MessagePresenter {
public:
    int present(QWidget* parent, const QString& text, int style) override;
};

// Builds the box a style value asks for: buttons (OK or Yes/No, the first one the
// default), icon, and the application title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, int style);

// The code of a pressed button: 1 OK, 6 Yes, 7 No.
int buttonCode(int standardButton);

} // namespace ui
