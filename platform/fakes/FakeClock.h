#pragma once
// A clock whose waits take no real time: they move a fake "now" forward, let pending events
// run once and give the test a chance to act, as a user would during the wait.

#include "platform/Clock.h"

#include <functional>

namespace platform {

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2024, 3, 1), QTime(12, 0)));

    void sleepAndYield(int ms) override;
    void yield() override;
    QDateTime now() const override { return now_; }

    void advance(qint64 ms) { now_ = now_.addMSecs(ms); }

    int sleeps() const { return sleeps_; }
    qint64 sleptMs() const { return sleptMs_; }
    int yields() const { return yields_; }

    // Called after every sleep with its length.
    std::function<void(int ms)> onSleep;
    // Real milliseconds each sleep lets the event loop run (at most the sleep's length); 0
    // handles only what is already pending. Waits for a loopback server may need a little.
    int realWaitMs = 0;

private:
    QDateTime now_;
    int sleeps_ = 0;
    qint64 sleptMs_ = 0;
    int yields_ = 0;
};

} // namespace platform
