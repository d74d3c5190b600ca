#include "platform/qt/QtClock.h"

#include "platform/Ending.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

void QtClock::sleepAndYield(int ms) {
    if (ms <= 0 || (ending_ && ending_->requested())) {
        yield();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (ending_)
        QObject::connect(ending_, &Ending::started, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void QtClock::yield() {
    QCoreApplication::processEvents();
}

QDateTime QtClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace platform
