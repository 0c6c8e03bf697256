#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QObject;
class QWidget;

/// What the window hands to the desktop: a report, a folder or the English text
/// opened in the user's browser or file manager, and files chosen in file
/// dialogs. Tests switch on scripted mode: nothing is opened, each address is
/// recorded, opening fails when told to, and a file dialog returns the choice
/// set beforehand.
class Desktop {
public:
    /// Opens the address with the desktop's program for it. `failed` runs, at
    /// once or when the opener has ended, when no program took the address or
    /// the one that did reported a failure; it does not run once `context` is
    /// gone.
    static void open(const QUrl& url, QObject* context, std::function<void()> failed);
    /// A report of the folder chosen by the user; empty when cancelled.
    static QString chooseReport(QWidget* parent, const QString& folder);
    /// A file to write, chosen by the user; empty when cancelled.
    static QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& path,
                                  const QString& filters);

    // Test seam.
    static void setScripted(bool scripted);
    static void setNextChoice(const QString& path);
    static void setOpenFails(bool fails);
    static QList<QUrl> takeOpened();

private:
    static bool scripted_;
    static bool openFails_;
    static QString nextChoice_;
    static QList<QUrl> opened_;
};
