#pragma once
// Time and waiting. The program never blocks the window: every wait runs the event loop.

#include <QDateTime>
#include <functional>

namespace platform {

class Ending;

class Clock {
public:
    virtual ~Clock() = default;
    // Waits `ms` milliseconds while the event loop keeps running (timers fire, clicks arrive).
    // Returns at once when the run is ending.
    virtual void sleepAndYield(int ms) = 0;
    // Handles the events that are pending now and returns.
    virtual void yield() = 0;
    virtual QDateTime now() const = 0;
};

// Sleeps in steps of `stepMs` until `done` holds (true), or until `boundMs` real milliseconds
// have passed or the run is ending (false). A negative bound waits for `done` or the end only.
bool waitUntil(Clock& clock, const Ending& ending, const std::function<bool()>& done, int boundMs,
               int stepMs);

} // namespace platform
