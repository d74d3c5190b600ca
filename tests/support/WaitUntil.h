#pragma once
// Waiting in tests: the event loop runs until a condition holds, bounded in time.

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace testsupport {

// Runs the event loop until `done` holds or `ms` have passed; `done` is looked at every `pollMs`.
inline bool waitUntil(const std::function<bool()>& done, int ms = 5000, int pollMs = 10) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(pollMs);
    loop.exec();
    return done();
}

// True once the spy's signal has come, also when it came before the wait began.
inline bool signalSeen(QSignalSpy& spy, int ms = 5000) {
    return spy.count() > 0 || spy.wait(ms);
}

} // namespace testsupport
