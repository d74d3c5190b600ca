#pragma once
// Small rules every timer handler of the window follows.

#include <QTimer>
#include <QtGlobal>
#include <exception>

namespace timers {

// Switches a timer on without restarting it: starting a running QTimer would push its next
// tick back, and a timer switched on every half second would then never tick at all.
inline void enable(QTimer& timer) {
    if (!timer.isActive())
        timer.start();
}

// Runs one timer handler; an exception must not unwind into the event loop.
template <typename Handler> void runGuarded(const char* name, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        qWarning("%s: %s", name, e.what());
    } catch (...) {
        qWarning("%s: unexpected error", name);
    }
}

} // namespace timers
