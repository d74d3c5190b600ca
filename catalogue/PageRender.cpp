// The page render of the fetch pass: a page opened in webvis, waited for, and captured.
#include "catalogue/PictureFetcher.h"

#include "bar/ControlBar.h"
#include "catalogue/SilentWebPage.h"
#include "core/FormPicture.h"
#include "slideshow/Presentation.h"

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
        page_ = new SilentWebPage(form_.views.webvis);
        // Every pass renders its pages afresh: a cache would only hold memory between passes.
        page_->profile()->setHttpCacheType(QWebEngineProfile::NoCache);
        form_.views.webvis->setPage(page_);
    }
    page_->setSilent(form_.state.flagSilent != kFalse);
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
    return form_.state.imageFilePrefix + QStringLiteral("HTTP_IMG.bmp");
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
    return platform::waitUntil(form_.clock(), *form_.platform().ending, done, boundMs, kWaitStepMs);
}

void PictureFetcher::delayWithTimer4000(int ms) {
    QTimer& timer = form_.Timer4000;
    // Its tick handler disables the timer; the delay also ends once the clock says the time is
    // up, so that a clock that runs faster than real time is followed.
    timer.setInterval(ms);
    timer.start();
    const QDateTime end = form_.clock().now().addMSecs(ms);
    while (timer.isActive()) {
        form_.clock().sleepAndYield(kWaitStepMs);
        if (form_.clock().now() >= end || form_.ending())
            timer.stop();
    }
}

bool PictureFetcher::RenderWebPage() {
    AppState& s = form_.state;
    QWebEngineView* view = form_.views.webvis;
    form_.views.DownloadPreview->hide();
    s.WebPageToImgEnd = kFalse;
    s.Http2BmpRunning = kTrue;
    pageFailed_ = false;

    silentPage().load(QUrl(webPageUrl));
    view->setGeometry(QRect(QPoint(0, 0), form_.platform().screen->sizePixels()));
    delayWithTimer4000(2000);

    form_.presentation().ShowWebView();
    view->show();
    view->raise();
    form_.controlBar().Nascondi_Barra();
    // A page that never completes is captured as far as it got.
    waitUntil([&s] { return s.WebPageToImgEnd != kFalse; }, pageLoadTimeoutMs);

    delayWithTimer4000(4000);
    form_.controlBar().SetAlwaysOnTop(true);
    delayWithTimer4000(1000);
    form_.controlBar().SetAlwaysOnTop(true);
    const bool captured = !pageFailed_ && CaptureScreenToFile();

    s.Http2BmpRunning = kFalse;
    form_.controlBar().SetAlwaysOnTop(false);
    form_.presentation().ShowPictureView();
    view->hide();
    clearBrowserView();
    form_.controlBar().Esponi_Barra();
    form_.views.DownloadPreview->show();
    return captured;
}

bool PictureFetcher::CaptureScreenToFile() {
    // A render cut short by the end of the run leaves the last capture as it was.
    if (form_.ending())
        return false;
    QWebEngineView* view = form_.views.webvis;
    const QRect screen(QPoint(0, 0), form_.platform().screen->sizePixels());
    QImage image = view->grab(screen).toImage();
    // The engine draws asynchronously: give it a moment for its first frame.
    QElapsedTimer waited;
    waited.start();
    while (isFlat(image) && waited.elapsed() < firstFrameTimeoutMs && !form_.ending()) {
        form_.clock().sleepAndYield(kFramePollMs);
        image = view->grab(screen).toImage();
    }
    QSaveFile file(capturePath());
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

void PictureFetcher::CloseBrowserWindows() {
    form_.platform().windows->closeBrowserFrames();
}
