#include "core/ClockLoop.h"

#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Shape.h"
#include "base/TimerHandlers.h"
#include "base/VisibleLike.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "diagnostics/Diagnostics.h"
#include "i18n/LanguageChoice.h"
#include "i18n/WaitTexts.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "platform/Trace.h"
#include "slideshow/Presentation.h"
#include "storage/ProxySettings.h"
#include "storage/TownSettings.h"

#include <QLabel>

namespace {

const QString kProbeSelector = QStringLiteral("p=1&x00=x8888");
const QString kVersionParameter = QStringLiteral("&x00=y3333");
// Blue on the platform's blue-green-red scale, as the status text has always been drawn.
const QString kStatusTextStyle = QStringLiteral("color: #0000ff; background: black;");
constexpr int kStatusTextPoints = 10;
constexpr int kUtilityIntervalMs = 1000;
// The start logo stays 2 s, waited in 10 ms steps so the window stays live.
constexpr int kLogoSteps = 200;
constexpr int kLogoStepMs = 10;

} // namespace

QString ClockLoop::probeAddress() const {
    const AppState& s = window_.state;
    return s.endpointBase + kProbeSelector + kVersionParameter + s.versionText;
}

void ClockLoop::connActive(Boolean& connected) {
    try {
        connected = toBoolean(window_.platform.connectivity->isConnected());
    } catch (...) {
        connected = kFalse;
    }
}

void ClockLoop::generalClock_Timer() {
    AppState& s = window_.state;
    showConnectionState();
    if (probePhase == codes::probe::kNotSent)
        sendProbe();
    if (probePhase == codes::probe::kSent)
        noteLostProbe();
    // The reply event sets True (-1); 1 is the value at start. Either means "arrived".
    if (s.flagReplyArrived != kFalse)
        probePhase = codes::probe::kArrived;
    // Once the slideshow runs, replyText carries catalogue replies, which never hold the marker,
    // and the bar belongs to the slideshow: only the indicator follows the connection.
    const bool slideshowRuns = serviceAnswered_ && s.firstLaunch >= 2;
    if (probePhase == codes::probe::kSent)
        showWaitingTick();
    else if (!slideshowRuns && s.replyText.contains(kReplyMarker))
        applyConnectedState();
    else if (!slideshowRuns)
        showRetryNotice();
    window_.parts.diagnostics->ArrayDump();
}

void ClockLoop::showConnectionState() {
    BarControls& b = window_.parts.bar;
    Boolean connected = kFalse;
    connActive(connected);
    b.connectStatus->setPixmap(connected != kFalse ? b.ImageConnesso->pixmap()
                                                   : b.ImageDisconnesso->pixmap());
    b.connectStatus->raise();
    QFont font = b.whoWeAre->font();
    if (font.pointSize() != kStatusTextPoints) {
        font.setPointSize(kStatusTextPoints);
        b.whoWeAre->setFont(font);
    }
    // Setting a style sheet restyles the label: only when it changes, not twice a second.
    if (b.whoWeAre->styleSheet() != kStatusTextStyle)
        b.whoWeAre->setStyleSheet(kStatusTextStyle);
}

void ClockLoop::sendProbe() {
    AppState& s = window_.state;
    window_.parts.timers.generalClock.stop();
    window_.widget.raise();
    window_.widget.activateWindow();
    window_.parts.presentation->ShowPicture(window_.parts.views.ImageLogoPRO);
    window_.parts.languageChoice->StartupLanguage();
    window_.parts.proxySettings->LoadProxySettings();
    window_.parts.townSettings->LoadTownSettings();
    s.flagReplyArrived = kFalse;
    probePhase = codes::probe::kSent;
    probeLost_ = false;
    lastProbeAt_ = window_.platform.clock->now();
    window_.parts.Inet1->Execute(probeAddress());
    if (!window_.platform.endingRequested())
        window_.parts.timers.generalClock.start();
}

void ClockLoop::noteLostProbe() {
    AppState& s = window_.state;
    const platform::HttpControl& inet = *window_.parts.Inet1;
    if (inet.StillExecuting() || (s.flagReplyArrived != kFalse && !inet.LastRequestFailed()))
        return;
    s.flagReplyArrived = kFalse;
    if (!probeLost_)
        platform::trace(QStringLiteral("probe lost: the catalogue service did not answer"));
    probeLost_ = true;
}

void ClockLoop::resendLostProbe() {
    if (!probeLost_ || window_.parts.Inet1->StillExecuting() || window_.platform.endingRequested())
        return;
    probeLost_ = false;
    window_.state.flagReplyArrived = kFalse;
    lastProbeAt_ = window_.platform.clock->now();
    window_.parts.Inet1->Execute(probeAddress());
}

void ClockLoop::showWaitingTick() {
    AppState& s = window_.state;
    BarControls& b = window_.parts.bar;
    const QString wait = waittexts::connectionWait(s.Lingua);
    if (!wait.isNull())
        b.lCountDown->setText(wait + QString::number(s.connectWaitCount));
    b.lCountDown->raise();

    const Integer before = s.connectWaitCount;
    s.connectWaitCount = saturatedInteger(before - 1);
    if (before == 1) {
        resendLostProbe();
        runFallback();
        s.connectWaitCount = kConnectWaitTicks;
    }

    b.lCountDown->setVisible(true);
    b.lCountDown->raise();
    window_.parts.controlBar->BarButtonsBusy();
    b.btTermina->setVisible(true);
    b.BtAnimation->setVisible(true);
    b.btHelp->setVisible(false);
}

void ClockLoop::runFallback() {
    // The question waits in the event loop: the clock stays off meanwhile, or its next tick
    // would ask again on top. The probe goes on behind the question.
    window_.parts.timers.generalClock.stop();
    ProxySettings& proxy = *window_.parts.proxySettings;
    const bool choiceOnFile = proxy.ReadProxyFile();
    proxy.AskConnectionType(choiceOnFile ? kFallbackQuestionMs : -1,
                            [this] { return probeWhileAsking(); });
    proxy.ApplyProxySettings();
    if (!window_.platform.endingRequested())
        window_.parts.timers.generalClock.start();
}

bool ClockLoop::probeWhileAsking() {
    const AppState& s = window_.state;
    noteLostProbe();
    if (s.flagReplyArrived != kFalse)
        return !s.replyText.contains(kReplyMarker);
    if (probeLost_ && window_.platform.clock->now() >= lastProbeAt_.addMSecs(kProbeRetryMs))
        resendLostProbe();
    return true;
}

void ClockLoop::applyConnectedState() {
    serviceAnswered_ = true;
    BarControls& b = window_.parts.bar;
    b.lCountDown->setVisible(false);
    window_.parts.controlBar->BarButtonsIdle();
    b.btTermina->setVisible(false);
    b.btHelp->setVisible(true);
    timers::enable(window_.parts.timers.utilityTmr);
}

void ClockLoop::showRetryNotice() {
    const QString retry = waittexts::connectionRetry(window_.state.Lingua);
    if (!retry.isNull())
        window_.parts.bar.lCountDown->setText(retry);
    window_.parts.bar.lCountDown->raise();
    probePhase = codes::probe::kNotSent;
}

void ClockLoop::utilityTmr_Timer() {
    // The logo wait yields to the event loop, where the general clock switches this timer on
    // again: such a tick must not start a second wait.
    if (utilityRunning_)
        return;
    utilityRunning_ = true;
    AppState& s = window_.state;
    window_.parts.timers.utilityTmr.stop();
    if (s.firstLaunch == 0) {
        showStartLogo();
    } else {
        if (s.firstLaunch == 1) {
            window_.parts.timers.utilityTmr.setInterval(kUtilityIntervalMs);
            timers::enable(window_.parts.timers.panControl);
            window_.parts.bar.timerflag->setFillColor(codes::colour::kGreen);
            s.firstLaunch = 2;
        }
        if (s.flagDownloadRunning == 1)
            showDownloadProgress();
    }
    window_.parts.timers.utilityTmr.start();
    utilityRunning_ = false;
}

void ClockLoop::showStartLogo() {
    window_.parts.timers.utilityTmr.setInterval(kUtilityIntervalMs);
    window_.parts.presentation->ShowPicture(window_.parts.views.ImageLogoPRO);
    for (int i = 0; i < kLogoSteps; ++i)
        window_.platform.clock->sleepAndYield(kLogoStepMs);
    window_.state.firstLaunch = 1;
}

void ClockLoop::showDownloadProgress() {
    const AppState& s = window_.state;
    BarControls& b = window_.parts.bar;
    // While a page is captured the bar is hidden and must stay out of the picture.
    if (s.Http2BmpRunning == 0) {
        b.lCountDown->setVisible(true);
        b.lCountDown->raise();
    }
    b.btSetup->setVisible(false);
    setVisibleLike(b.btHelp, b.btSetup);
    const QString progress = waittexts::downloadProgress(s.Lingua, s.pictureCount, s.pictureTotal);
    if (!progress.isNull())
        b.lCountDown->setText(progress);
    b.lCountDown->raise();
}

void ClockLoop::Timer4000_Timer() {
    window_.parts.timers.Timer4000.stop();
}
