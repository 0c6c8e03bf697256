#include "window/MessageBox.h"

#include <QInputDialog>
#include <QMessageBox>

const QString MessageBox::kAppTitle = QStringLiteral("Vellumark Gematria Software");
bool MessageBox::scripted_ = false;
MessageBox::Answer MessageBox::nextAnswer_ = MessageBox::No;
QStringList MessageBox::shown_;
QString MessageBox::nextText_;

void MessageBox::information(QWidget* parent, const QString& text) {
    if (scripted_) {
        shown_ << kAppTitle + QLatin1Char('|') + text;
        return;
    }
    QMessageBox::information(parent, kAppTitle, text, QMessageBox::Ok);
}

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& text,
                                        const QString& caption) {
    if (scripted_) {
        shown_ << caption + QLatin1Char('|') + text;
        const Answer answer = nextAnswer_;
        nextAnswer_ = No;
        return answer;
    }
    const auto button = QMessageBox::question(parent, caption, text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Yes : No;
}

QString MessageBox::askText(QWidget* parent, const QString& caption, const QString& label) {
    if (scripted_) {
        shown_ << caption + QLatin1Char('|') + label;
        QString text;
        text.swap(nextText_);
        return text;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, {}, &ok);
    return ok ? text : QString();
}

void MessageBox::about(QWidget* parent, const QString& caption, const QString& text) {
    if (scripted_) {
        shown_ << caption + QLatin1Char('|') + text;
        return;
    }
    QMessageBox::about(parent, caption, text);
}

void MessageBox::setScripted(bool scripted) { scripted_ = scripted; }
void MessageBox::setNextAnswer(Answer answer) { nextAnswer_ = answer; }
void MessageBox::setNextText(const QString& text) { nextText_ = text; }

QStringList MessageBox::takeShown() {
    QStringList shown;
    shown.swap(shown_);
    return shown;
}
