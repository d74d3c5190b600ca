#include "platform/Clock.h"

#include "platform/Ending.h"

#include <QElapsedTimer>

namespace platform {

bool waitUntil(Clock& clock, const Ending& ending, const std::function<bool()>& done, int boundMs,
               int stepMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (ending.requested() || (boundMs >= 0 && waited.elapsed() > boundMs))
            return false;
        clock.sleepAndYield(stepMs);
    }
    return true;
}

} // namespace platform
