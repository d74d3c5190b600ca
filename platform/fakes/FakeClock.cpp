#include "platform/fakes/FakeClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

FakeClock::FakeClock(QDateTime start) : now_(std::move(start)) {}

void FakeClock::sleepAndYield(int ms) {
    const int length = qMax(0, ms);
    ++sleeps_;
    sleptMs_ += length;
    now_ = now_.addMSecs(length);
    const int real = qMin(realWaitMs, length);
    if (real > 0) {
        QEventLoop loop;
        QTimer::singleShot(real, &loop, &QEventLoop::quit);
        loop.exec();
    } else {
        QCoreApplication::processEvents();
    }
    if (onSleep)
        onSleep(ms);
}

void FakeClock::yield() {
    ++yields_;
    QCoreApplication::processEvents();
}

} // namespace platform
