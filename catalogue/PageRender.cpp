// The page render of the fetch pass: a page opened in webvis, waited for, and captured.
#include "catalogue/PictureFetcher.h"

#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/Timers.h"
#include "catalogue/SilentWebPage.h"
#include "platform/Platform.h"
#include "slideshow/Presentation.h"
#include "slideshow/ViewControls.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSaveFile>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <malloc.h>

namespace {

constexpr int kWaitStepMs = 10;
constexpr int kFramePollMs = 50;

// A capture taken before the view has drawn anything is one flat colour.
bool isFlat(const QImage& image) {
    if (image.isNull())
        return true;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb first = rgb.pixel(0, 0);
    for (int y = 0; y < rgb.height(); y += 4) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); x += 4) {
            if (line[x] != first)
                return false;
        }
    }
    return true;
}

} // namespace

SilentWebPage& PictureFetcher::silentPage() {
    // Made on first use, so that a window that never renders a page never starts the engine.
    if (!page_) {
        page_ = new SilentWebPage(views_.webvis);
        // Every pass renders its pages afresh: a cache would only hold memory between passes.
        page_->profile()->setHttpCacheType(QWebEngineProfile::NoCache);
        views_.webvis->setPage(page_);
    }
    page_->setSilent(state_.flagSilent != kFalse);
    return *page_;
}

void PictureFetcher::releaseBrowserEngine() {
    delete page_;
    page_ = nullptr;
    // The pass freed much more than it keeps (decoded pictures, the page's buffers): give it
    // back to the system instead of holding it until the next pass.
    malloc_trim(0);
}

QString PictureFetcher::capturePath() const {
    return state_.imageFilePrefix + QStringLiteral("HTTP_IMG.bmp");
}

void PictureFetcher::clearBrowserView() {
    SilentWebPage& page = silentPage();
    const QUrl blank(QStringLiteral("about:blank"));
    bool done = false;
    const QMetaObject::Connection finished = QObject::connect(
        &page, &QWebEnginePage::loadingChanged, &page,
        [&done, &blank](const QWebEngineLoadingInfo& info) {
            if (info.url() == blank && info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                done = true;
        });
    page.load(blank);
    // Waited for, so that its completion is not taken for that of the next page.
    waitUntil([&done] { return done; }, blankPageTimeoutMs);
    QObject::disconnect(finished);
}

bool PictureFetcher::waitUntil(const std::function<bool()>& done, int boundMs) {
    return platform::waitUntil(*platform_.clock, *platform_.ending, done, boundMs, kWaitStepMs);
}

void PictureFetcher::delayWithTimer4000(int ms) {
    QTimer& timer = timers_.Timer4000;
    // Its tick handler disables the timer; the delay also ends once the clock says the time is
    // up, so that a clock that runs faster than real time is followed.
    timer.setInterval(ms);
    timer.start();
    const QDateTime end = platform_.clock->now().addMSecs(ms);
    while (timer.isActive()) {
        platform_.clock->sleepAndYield(kWaitStepMs);
        if (platform_.clock->now() >= end || platform_.endingRequested())
            timer.stop();
    }
}

bool PictureFetcher::RenderWebPage() {
    AppState& s = state_;
    QWebEngineView* view = views_.webvis;
    views_.DownloadPreview->hide();
    s.WebPageToImgEnd = kFalse;
    s.Http2BmpRunning = kTrue;
    pageFailed_ = false;

    silentPage().load(QUrl(webPageUrl));
    view->setGeometry(QRect(QPoint(0, 0), platform_.screen->sizePixels()));
    delayWithTimer4000(2000);

    presentation_.ShowWebView();
    view->show();
    view->raise();
    controlBar_.Nascondi_Barra();
    // A page that never completes is captured as far as it got.
    waitUntil([&s] { return s.WebPageToImgEnd != kFalse; }, pageLoadTimeoutMs);

    delayWithTimer4000(4000);
    controlBar_.SetAlwaysOnTop(true);
    delayWithTimer4000(1000);
    controlBar_.SetAlwaysOnTop(true);
    const bool captured = !pageFailed_ && CaptureScreenToFile();

    s.Http2BmpRunning = kFalse;
    controlBar_.SetAlwaysOnTop(false);
    presentation_.ShowPictureView();
    view->hide();
    clearBrowserView();
    controlBar_.Esponi_Barra();
    views_.DownloadPreview->show();
    return captured;
}

bool PictureFetcher::CaptureScreenToFile() {
    // A render cut short by the end of the run leaves the last capture as it was.
    if (platform_.endingRequested())
        return false;
    QWebEngineView* view = views_.webvis;
    const QRect screen(QPoint(0, 0), platform_.screen->sizePixels());
    QImage image = view->grab(screen).toImage();
    // The engine draws asynchronously: give it a moment for its first frame.
    QElapsedTimer waited;
    waited.start();
    while (isFlat(image) && waited.elapsed() < firstFrameTimeoutMs &&
           !platform_.endingRequested()) {
        platform_.clock->sleepAndYield(kFramePollMs);
        image = view->grab(screen).toImage();
    }
    QSaveFile file(capturePath());
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

void PictureFetcher::CloseBrowserWindows() {
    platform_.windows->closeBrowserFrames();
}
