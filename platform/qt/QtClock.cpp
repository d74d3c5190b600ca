#include "platform/qt/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

void QtClock::sleepAndYield(int ms) {
    if (ms <= 0) {
        yield();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
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
