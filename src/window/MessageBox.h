#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// Every message the window shows goes through here. Tests switch on scripted
/// answers: nothing is then shown, each message is recorded as "caption|text",
/// and questions get the answer set beforehand.
class MessageBox {
public:
    enum Answer { Yes, No };

    static const QString kAppTitle;

    static void information(QWidget* parent, const QString& text);
    static Answer question(QWidget* parent, const QString& text, const QString& caption);
    /// A line of text asked under `caption`; a null string when cancelled.
    /// Scripted: the text set beforehand (null: cancelled), recorded as
    /// "caption|label".
    static QString askText(QWidget* parent, const QString& caption, const QString& label);
    /// The About box: rich text under its own caption.
    static void about(QWidget* parent, const QString& caption, const QString& text);

    // Test seam.
    static void setScripted(bool scripted);
    static void setNextAnswer(Answer answer);
    static void setNextText(const QString& text);
    static QStringList takeShown();

private:
    static bool scripted_;
    static Answer nextAnswer_;
    static QString nextText_;
    static QStringList shown_;
};
