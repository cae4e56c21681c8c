#include "form1_window.h"
#include "message_boxes.h"
#include "qt_text.h"
#include "ui/app_info.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::fromAscii(ui::kApplicationName));
    QApplication::setApplicationVersion(ui::fromAscii(ui::kApplicationVersion));
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvoorvi.CalculatorOrvi2009"));

    ui::ModalMessageBoxes messages;
    ui::Form1Window window(messages);
    QObject::connect(&window, &ui::Form1Window::quitRequested, &app, [] { QApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
