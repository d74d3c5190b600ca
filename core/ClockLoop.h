#pragma once
// The general clock, the utility timer and the one-shot delay timer: the connection wait at
// start-up, the start logo and the progress text.

#include "base/Codes.h"
#include "base/VbTypes.h"

#include <QDateTime>
#include <QString>

struct Window;

class ClockLoop {
public:
    // The text a live catalogue service puts into its answer to the probe.
    static inline const QString kReplyMarker = QStringLiteral("ZEP_REPLY_TO_CLIENT");
    // Waiting ticks between two runs of the proxy fallback.
    static constexpr Integer kConnectWaitTicks = 10;
    // A probe that never reached the service is sent again after this long (ten ticks).
    static constexpr int kProbeRetryMs = 5000;
    // With a connection choice on file, the fallback's question closes by itself after this
    // long: nobody may be at a wall screen that starts before its network does.
    static constexpr int kFallbackQuestionMs = 20000;

    explicit ClockLoop(Window& window) : window_(window) {}

    void generalClock_Timer();
    void utilityTmr_Timer();
    void Timer4000_Timer();
    void connActive(Boolean& connected);

    // The probe's address on the catalogue service.
    QString probeAddress() const;

    // 0 probe not sent, 1 waiting for its reply, 2 reply arrived.
    Integer probePhase = codes::probe::kNotSent;

private:
    void showConnectionState();
    void sendProbe();
    // Sends the probe again when the last one was lost and none is in flight.
    void resendLostProbe();
    // A finished probe that never reached the service (refused, timed out, cancelled, an error
    // status) is no answer: the wait goes on and the probe is marked for sending again.
    void noteLostProbe();
    void showWaitingTick();
    // The proxy fallback of every tenth waiting tick.
    void runFallback();
    // Runs at every step of the fallback's question: keeps probing; false once the service
    // has answered with the marker, which makes the question moot.
    bool probeWhileAsking();
    void applyConnectedState();
    void showRetryNotice();
    void showDownloadProgress();
    void showStartLogo();

    Window& window_;
    // The logo wait yields to the event loop, where the general clock switches this timer on.
    bool utilityRunning_ = false;
    // The probe was answered with the marker: the connection wait is over for good.
    bool serviceAnswered_ = false;
    bool probeLost_ = false;
    QDateTime lastProbeAt_;
};
