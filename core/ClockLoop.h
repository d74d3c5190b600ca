#pragma once
// The general clock, the utility timer and the one-shot delay timer: the connection wait at
// start-up, the start logo and the progress text.

#include "core/VbTypes.h"

#include <QString>

class FormPicture;

class ClockLoop {
public:
    // The text a live catalogue service puts into its answer to the probe.
    static inline const QString kReplyMarker = QStringLiteral("ZEP_REPLY_TO_CLIENT");
    // Waiting ticks between two runs of the proxy fallback.
    static constexpr Integer kConnectWaitTicks = 10;

    explicit ClockLoop(FormPicture& form);

    void generalClock_Timer();
    void utilityTmr_Timer();
    void Timer4000_Timer();
    void connActive(Boolean& connected);

    // The probe's address on the catalogue service.
    QString probeAddress() const;

    // 0 probe not sent, 1 waiting for its reply, 2 reply arrived.
    Integer probePhase = 0;

private:
    void showConnectionState();
    void sendProbe();
    void showWaitingTick();
    void applyConnectedState();
    void showRetryNotice();
    void showDownloadProgress();
    void showStartLogo();

    FormPicture& form_;
    // The logo wait yields to the event loop, where the general clock switches this timer on.
    bool utilityRunning_ = false;
    // The probe was answered with the marker: the connection wait is over for good.
    bool serviceAnswered_ = false;
};
