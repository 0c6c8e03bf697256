#include "window/frmVellumark.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmVellumark window(QCoreApplication::applicationDirPath());
    if (!window.Form_Load()) return 1;
    window.show();
    return QApplication::exec();
}
