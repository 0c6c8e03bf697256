#include "data/AppPaths.h"
#include "window/MessageBox.h"
#include "window/frmVellumark.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The folder as the file system's bytes: a name that is not UTF-8 must not
    // turn into another folder, least of all the root.
    std::string error;
    const std::string folder = vellumark::ProgramFolder(error);
    if (folder.empty()) {
        MessageBox::information(nullptr,
                                QStringLiteral("The program's folder, which holds its "
                                               "Data and Report folders, was not found: ") +
                                    QString::fromStdString(error));
        return 1;
    }
    frmVellumark window(folder);
    if (!window.Form_Load()) return 1;
    window.show();
    return QApplication::exec();
}
