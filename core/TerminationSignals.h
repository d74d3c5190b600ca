#pragma once
// SIGTERM and SIGINT end the program in order and without a word: a wall screen or a test
// stops it from outside, and nobody is at the screen to read the end message.

#include <QObject>
#include <QString>
#include <QTimer>

struct Window;
class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // How often a postponed end looks again whether the running work is over.
    static constexpr int kRetryMs = 100;

    explicit TerminationSignals(Window& window, QObject* parent = nullptr);
    // Puts the handlers found at install() back.
    ~TerminationSignals() override;

    // Catches SIGTERM and SIGINT from now on. One instance at a time; false, with
    // errorString(), when the handlers cannot be set up.
    bool install();
    const QString& errorString() const { return error_; }

    // What a caught signal does: every wait and request stops, then the end runs at once when
    // no slideshow step and no fetch pass is running, otherwise as soon as they have returned.
    void requestEnd();

signals:
    // A termination signal arrived.
    void endRequested();
    // The end was due but a step or a fetch pass is still running.
    void endPostponed();
    // The configuration was saved and the window closed; the event loop ends next.
    void ended();

private:
    void readSignals();
    bool workRunning() const;
    void tryEnd();
    void endInOrder();
    void restoreHandlers();

    Window& window_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer retry_;
    bool pending_ = false;
    bool installed_ = false;
    QString error_;
};
