// What a window's tests share: a check that no two of its visible controls
// cover each other.
#pragma once

#include <QtWidgets>

/// The pairs of visible controls of `window` that overlap, as "a / b" by object
/// name (or class). A control's own parts (a table's header, a field's scroll
/// bars) are not controls of their own.
inline QStringList OverlappingControls(QWidget* window) {
    auto isControl = [](const QWidget* w) {
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
               qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QLabel*>(w) ||
               qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
               qobject_cast<const QProgressBar*>(w) || qobject_cast<const QMenuBar*>(w);
    };
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || !isControl(w)) continue;
        bool part = false;
        for (QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || isControl(up);
        if (!part) controls << w;
    }
    auto area = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    auto name = [](QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    QStringList overlaps;
    for (qsizetype a = 0; a < controls.size(); ++a)
        for (qsizetype b = a + 1; b < controls.size(); ++b)
            if (area(controls[a]).intersects(area(controls[b])))
                overlaps << name(controls[a]) + " / " + name(controls[b]);
    return overlaps;
}
