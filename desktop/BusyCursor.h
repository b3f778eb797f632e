#pragma once
// The busy pointer for the lifetime of a scope, restored however the scope is left.

#include <QApplication>
#include <QCursor>

namespace brackwell {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace brackwell
