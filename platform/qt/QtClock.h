#pragma once
// Real time; waits run a local event loop so the window keeps painting and taking clicks.

#include "platform/Clock.h"

namespace platform {

class QtClock : public Clock {
public:
    // Once `ending` has been requested, sleeps return at once and a running one is cut short.
    explicit QtClock(const Ending* ending = nullptr) : ending_(ending) {}

    void sleepAndYield(int ms) override;
    void yield() override;
    QDateTime now() const override;

private:
    const Ending* ending_;
};

} // namespace platform
