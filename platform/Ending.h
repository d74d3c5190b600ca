#pragma once
// The end of the run, once something has asked for it (a termination signal, the window
// closed from outside, the bar's exit button). From then on nothing may hold the program:
// every wait returns at once, open message boxes close, no new one waits for an answer, and
// requests in flight are aborted and count as failed.

#include <QObject>

namespace platform {

class Ending : public QObject {
    Q_OBJECT
public:
    bool requested() const { return requested_; }
    // Idempotent: `started` is emitted once.
    void request() {
        if (requested_)
            return;
        requested_ = true;
        emit started();
    }

signals:
    void started();

private:
    bool requested_ = false;
};

} // namespace platform
