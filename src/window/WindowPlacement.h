#pragma once

#include <QSize>
#include <QString>

class QWidget;

/// Moves a window entirely onto the available area of its screen (the screen
/// without panels), shrinking it first when it is larger.
void KeepOnScreen(QWidget* window);

/// Gives a window the size and place saved under `key` (QSettings), or
/// `defaultSize` the first time, and keeps it on the screen.
void RestorePlacement(QWidget* window, const QString& key, QSize defaultSize);

/// Saves a window's size and place under `key`.
void SavePlacement(const QWidget* window, const QString& key);
