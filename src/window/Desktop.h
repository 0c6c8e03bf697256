#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class QWidget;

/// What the window hands to the desktop: a report, a folder or the English text
/// opened in the user's browser or file manager, and a report chosen in a file
/// dialog. Tests switch on scripted mode: nothing is opened, each address is
/// recorded, and the file dialog returns the choice set beforehand.
class Desktop {
public:
    /// Opens the address with the desktop's program for it; false when none
    /// took it.
    static bool open(const QUrl& url);
    /// A report of the folder chosen by the user; empty when cancelled.
    static QString chooseReport(QWidget* parent, const QString& folder);

    // Test seam.
    static void setScripted(bool scripted);
    static void setNextChoice(const QString& path);
    static QList<QUrl> takeOpened();

private:
    static bool scripted_;
    static QString nextChoice_;
    static QList<QUrl> opened_;
};
