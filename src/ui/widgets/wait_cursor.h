#pragma once
// The hourglass for operations that block the window: shown while the guard
// lives, restored however the scope is left. A box put up meanwhile waits
// for the user, not for the program: NormalCursor takes the hourglass down
// while the box is up.

#include <QCursor>
#include <QGuiApplication>
#include <QList>

namespace vk {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Every cursor set over the application is taken down while the guard lives
// and put back, in the same order, when it goes.
class NormalCursor {
public:
    NormalCursor() {
        while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
            lifted_.prepend(*cursor);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~NormalCursor() {
        for (const QCursor& cursor : lifted_) QGuiApplication::setOverrideCursor(cursor);
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    QList<QCursor> lifted_;  // the lowest first
};

}  // namespace vk
