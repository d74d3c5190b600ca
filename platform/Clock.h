#pragma once
// Time and waiting. The program never blocks the window: every wait runs the event loop.

#include <QDateTime>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Waits `ms` milliseconds while the event loop keeps running (timers fire, clicks arrive).
    virtual void sleepAndYield(int ms) = 0;
    // Handles the events that are pending now and returns.
    virtual void yield() = 0;
    virtual QDateTime now() const = 0;
};

} // namespace platform
