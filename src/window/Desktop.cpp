#include "window/Desktop.h"

#include <QDesktopServices>
#include <QFileDialog>

bool Desktop::scripted_ = false;
QString Desktop::nextChoice_;
QList<QUrl> Desktop::opened_;

bool Desktop::open(const QUrl& url) {
    if (scripted_) {
        opened_ << url;
        return true;
    }
    return QDesktopServices::openUrl(url);
}

QString Desktop::chooseReport(QWidget* parent, const QString& folder) {
    if (scripted_) {
        QString choice;
        choice.swap(nextChoice_);
        return choice;
    }
    return QFileDialog::getOpenFileName(parent, QObject::tr("Open Report"), folder,
                                        QObject::tr("Reports (*.html)"));
}

void Desktop::setScripted(bool scripted) { scripted_ = scripted; }
void Desktop::setNextChoice(const QString& path) { nextChoice_ = path; }

QList<QUrl> Desktop::takeOpened() {
    QList<QUrl> opened;
    opened.swap(opened_);
    return opened;
}
