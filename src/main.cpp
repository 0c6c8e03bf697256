#include "data/AppPaths.h"
#include "window/MessageBox.h"
#include "window/frmVellumark.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellumark.Vellumark"));
    // Where the windows keep their size and place and Find its settings.
    QCoreApplication::setOrganizationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
    // The folder as the file system's bytes: a name that is not UTF-8 must not
    // turn into another folder, least of all the root. Beside the program when
    // its Data folder is there, else the user's documents when installed.
    const vellumark::AppFolders folders = vellumark::ChooseAppFolders();
    if (!folders.message.empty()) {
        MessageBox::information(nullptr, QString::fromStdString(folders.message));
        return 1;
    }
    frmVellumark window(folders.app);
    if (!window.Form_Load()) return 1;
    if (folders.installed) window.announce(QString::fromStdString(vellumark::ReportsGoTo(folders)));
    window.show();
    return QApplication::exec();
}
