#pragma once
// Real time; waits run a local event loop so the window keeps painting and taking clicks.

#include "platform/Clock.h"

namespace platform {

class QtClock : public Clock {
public:
    void sleepAndYield(int ms) override;
    void yield() override;
    QDateTime now() const override;
};

} // namespace platform
