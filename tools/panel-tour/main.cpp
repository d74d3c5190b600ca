// nimbrisco-panel-tour <program dir> <picture dir> <name>
//
// Starts the program from the portable layout at <program dir> on the local catalogue service,
// waits for the first picture, asks for the panel as the bar's setup button does, and saves a
// picture of the screen for each of the four pages and for the Picture Selection page with a
// preview shown: <picture dir>/panel-<name>-<n>-<page>.png. The program then ends in order.
// Every wait is bounded; the exit status says whether all pictures were saved.
#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "catalogue/SilentWebPage.h"
#include "core/FormPicture.h"
#include "core/TerminationSignals.h"
#include "core/WindowParts.h"
#include "panel/PanelControls.h"
#include "panel/PictureSelectionPage.h"
#include "platform/BrowserEngineSetup.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "slideshow/PictureView.h"
#include "slideshow/ViewControls.h"

#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

constexpr int kStartBoundMs = 240000;
constexpr int kOpenBoundMs = 120000;
constexpr int kPreviewBoundMs = 30000;
constexpr int kSettleMs = 1500;

constexpr int kPollMs = 100;

class Tour {
public:
    Tour(FormPicture& form, QString folder, QString name)
        : form_(form), folder_(std::move(folder)), name_(std::move(name)) {}

    bool run() {
        AppState& s = form_.state;
        WindowParts& parts = form_.parts();
        PanelControls& p = parts.panel;
        if (!step("the first picture", kStartBoundMs, [&] {
                return s.pictureCount > 0 && s.clockStatus == 0 &&
                       !parts.views.fotoBrowser->isHidden() && !QApplication::activeModalWidget();
            }))
            return false;
        parts.controlBar->btSetup_Click();
        if (!step("the panel", kOpenBoundMs, [&] {
                return p.SSTCfg->isVisible() && p.FormWait->isHidden() &&
                       p.Tabella_Mappe_Selezionate->count() > 0 &&
                       !QApplication::activeModalWidget();
            }))
            return false;
        const std::pair<QWidget*, const char*> pages[] = {{p.pageTools, "tools"},
                                                          {p.pageDisplayTimers, "timers"},
                                                          {p.pagePictureSelection, "pictures"},
                                                          {p.pageRunExit, "run-exit"}};
        int n = 0;
        for (const auto& [page, title] : pages) {
            p.SSTCfg->setCurrentWidget(page);
            if (!save(++n, title))
                return false;
        }

        // The first entry previewed, as a click on it does.
        p.SSTCfg->setCurrentWidget(p.pagePictureSelection);
        p.Tabella_Mappe_Selezionate->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        parts.pictureSelection->Tabella_Mappe_Selezionate_Click();
        SilentWebPage* preview = parts.pictureSelection->previewPage();
        bool loaded = false;
        if (preview)
            QObject::connect(preview, &QWebEnginePage::loadFinished, [&loaded] { loaded = true; });
        if (!step("the preview", kPreviewBoundMs, [&] { return loaded; }))
            return false;
        return save(++n, "preview");
    }

private:
    bool step(const char* what, int boundMs, const std::function<bool()>& done) {
        platform::Platform& platform = form_.platform();
        // The program's own wait: it also returns at once when the run is ending.
        if (platform::waitUntil(*platform.clock, *platform.ending, done, boundMs, kPollMs))
            return true;
        std::fprintf(stderr, "panel tour: %s did not come within %d s\n", what, boundMs / 1000);
        return false;
    }

    bool save(int n, const char* title) {
        form_.platform().clock->sleepAndYield(kSettleMs);
        const QString file = QStringLiteral("%1/panel-%2-%3-%4.png")
                                 .arg(folder_, name_)
                                 .arg(n)
                                 .arg(QLatin1String(title));
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        if (shot.isNull() || !shot.save(file)) {
            std::fprintf(stderr, "panel tour: %s could not be saved\n", qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    }

    FormPicture& form_;
    QString folder_;
    QString name_;
};

} // namespace

int main(int argc, char** argv) {
    platform::prepareBrowserEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrisco"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: nimbrisco-panel-tour <program dir> <picture dir> <name>\n");
        return 2;
    }

    std::unique_ptr<platform::Platform> platform = platform::makeQtPlatform();
    platform->programDir = args[1];
    FormPicture form(*platform, QStringLiteral("-LOCALHOST"));
    form.Form_Load();
    if (form.state.ExitToProgram != 0)
        return 1;
    TerminationSignals termination(form.window());
    termination.install();
    form.showFullScreen();

    int status = 1;
    QTimer::singleShot(0, &form, [&] {
        Tour tour(form, args[2], args[3]);
        status = tour.run() ? 0 : 1;
        termination.requestEnd();
    });
    app.exec();
    return status;
}
