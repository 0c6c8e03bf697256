#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

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
