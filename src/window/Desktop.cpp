#include "window/Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

bool Desktop::scripted_ = false;
bool Desktop::openFails_ = false;
QString Desktop::nextChoice_;
QList<QUrl> Desktop::opened_;

namespace {

QString TakeChoice(QString& choice) {
    QString taken;
    taken.swap(choice);
    return taken;
}

}  // namespace

void Desktop::open(const QUrl& url, QObject* context, std::function<void()> failed) {
    if (scripted_) {
        opened_ << url;
        if (openFails_) failed();
        return;
    }
    // QDesktopServices only says whether xdg-open started; xdg-open's exit
    // status says whether a program took the address.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) failed();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    const QString address = url.isLocalFile() && !url.hasFragment()
                                ? url.toLocalFile()
                                : url.toString(QUrl::FullyEncoded);
    QObject::connect(process, &QProcess::finished, context,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0) failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         process->deleteLater();
                         failed();
                     });
    process->start(opener, {address});
}

QString Desktop::chooseReport(QWidget* parent, const QString& folder) {
    if (scripted_) return TakeChoice(nextChoice_);
    return QFileDialog::getOpenFileName(parent, QObject::tr("Open Report"), folder,
                                        QObject::tr("Reports (*.html)"));
}

QString Desktop::chooseSaveFile(QWidget* parent, const QString& caption, const QString& path,
                                const QString& filters) {
    if (scripted_) return TakeChoice(nextChoice_);
    return QFileDialog::getSaveFileName(parent, caption, path, filters);
}

void Desktop::setScripted(bool scripted) { scripted_ = scripted; }
void Desktop::setNextChoice(const QString& path) { nextChoice_ = path; }
void Desktop::setOpenFails(bool fails) { openFails_ = fails; }

QList<QUrl> Desktop::takeOpened() {
    QList<QUrl> opened;
    opened.swap(opened_);
    return opened;
}
