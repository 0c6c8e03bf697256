#include "window/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

void KeepOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    // The frame adds the title bar and borders around the client area.
    const QSize margins = frame.size() - window->size();
    const QSize fitting = window->size().boundedTo(area.size() - margins);
    if (fitting != window->size()) {
        window->resize(fitting.expandedTo(window->minimumSize()));
        frame.setSize(window->size() + margins);
    }
    QPoint place = frame.topLeft();
    place.setX(std::clamp(place.x(), area.left(),
                          std::max(area.left(), area.right() + 1 - frame.width())));
    place.setY(std::clamp(place.y(), area.top(),
                          std::max(area.top(), area.bottom() + 1 - frame.height())));
    if (place != frame.topLeft()) window->move(place);
}

void RestorePlacement(QWidget* window, const QString& key, QSize defaultSize) {
    const QSettings settings;
    const QByteArray saved = settings.value(key + QStringLiteral("/geometry")).toByteArray();
    if (saved.isEmpty() || !window->restoreGeometry(saved)) window->resize(defaultSize);
    KeepOnScreen(window);
}

void SavePlacement(const QWidget* window, const QString& key) {
    QSettings settings;
    settings.setValue(key + QStringLiteral("/geometry"), window->saveGeometry());
}
