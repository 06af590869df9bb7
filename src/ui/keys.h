#pragma once

// The keys both windows take alike.

#include <QKeySequence>

#include <initializer_list>

namespace tw::ui {

// The platform's keys for `which`, and always the ones given.
inline QList<QKeySequence> StandardKeys(QKeySequence::StandardKey which, std::initializer_list<QKeyCombination> always)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(which);
    for (const QKeyCombination key : always)
        if (!keys.contains(QKeySequence(key)))
            keys << QKeySequence(key);
    return keys;
}

// Undo: Ctrl+Z; redo: Ctrl+Shift+Z and Ctrl+Y.
inline QList<QKeySequence> UndoKeys() { return StandardKeys(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z}); }
inline QList<QKeySequence> RedoKeys() { return StandardKeys(QKeySequence::Redo, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}); }

} // namespace tw::ui
