#pragma once
// The hourglass cursor for the length of a scope.
#include <QGuiApplication>

namespace ftb::platform {

class HourglassCursor {
public:
    HourglassCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QGuiApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace ftb::platform
