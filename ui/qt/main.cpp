#include "form1_window.h"
#include "message_boxes.h"
#include "qt_text.h"
#include "ui/app_info.h"

#include <QApplication>
#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt keeps per-session files in $XDG_RUNTIME_DIR, which a login session provides.
// Started outside one (a root shell, a container), the program makes the private
// folder Qt would fall back to itself, so that Qt has no cause to warn about it.
void provideRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder
        = QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid()));
    mkdir(folder.constData(), 0700); // or it is there from an earlier start
    struct stat status { };
    if (stat(folder.constData(), &status) == 0 && status.st_uid == getuid()
        && (status.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", folder);
}

} // namespace

int main(int argc, char* argv[])
{
    provideRuntimeDirectory();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::qt::fromAscii(ui::kApplicationName));
    QApplication::setApplicationVersion(ui::qt::fromAscii(ui::kApplicationVersion));
    // Lets desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvoorvi.CalculatorOrvi2009"));

    ui::qt::ModalMessageBoxes messages;
    ui::qt::Form1Window window(messages);
    QObject::connect(
        &window, &ui::qt::Form1Window::quitRequested, &app, [] { QApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
