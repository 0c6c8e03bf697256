#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <string>
#include <utility>

/// A widget of `parent` under its object name, which tests and UI automation find it by.
template <typename T, typename... Args>
T* Make(QWidget* parent, const char* name, Args&&... args) {
    T* widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

/// A label for `buddy` (none: a label of its own): the field takes the label's
/// text, without its mnemonic, as its accessible name.
inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    QLabel* label = Make<QLabel>(parent, name, text);
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    }
    return label;
}

/// The "Text:" choice of the written text (ketiv) or the read one (qere), each
/// item's data its Reading; disabled, with a tooltip saying how to build it,
/// when the program folder's data has no read text.
inline QComboBox* MakeTextChoice(QWidget* parent, const std::string& appPath) {
    auto* choice = Make<QComboBox>(parent, "drpText");
    choice->addItem(QObject::tr("Written (ketiv)"), static_cast<int>(vellumark::Reading::Written));
    choice->addItem(QObject::tr("Read (qere)"), static_cast<int>(vellumark::Reading::Read));
    if (!vellumark::HasReadText(appPath)) {
        choice->setEnabled(false);
        choice->setToolTip(QString::fromUtf8(vellumark::kNoReadText));
    }
    return choice;
}
