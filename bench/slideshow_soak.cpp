// Memory of a running slideshow: 100 steps with two download passes over the demo catalogue,
// the resident size after the first pass against the size at later points.
//
// The benchmarks' window (BenchWindow.h); the steps are driven by calling the slideshow step
// directly, with the event loop running between them.
#include "BenchWindow.h"
#include "core/FormPicture.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Steps to run; the first argument may ask for more to tell growth from noise.
constexpr int kDefaultSteps = 100;
// The demo's default selection fills six slots: by this step every picture has been shown once.
constexpr int kFirstCycleSteps = 7;
// Minutes whose ×30 limit (360) is passed by the 46th sum of 8 s slides: passes at steps 46
// and 92.
const QString kDownloadMinutes = QStringLiteral("12");
const QString kSlideSeconds = QStringLiteral("8");
// Real time the event loop runs between two steps, so animations and deferred deletes run.
constexpr int kBetweenStepsMs = 50;

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    BenchWindow::prepareEnvironment();
    QApplication app(argc, argv);
    const int steps = argc > 1 ? qMax(kFirstCycleSteps, atoi(argv[1])) : kDefaultSteps;
    BenchWindow window;
    if (!window.start())
        return 1;
    FormPicture* form = &window.form();
    AppState& s = form->state;

    const long atStart = residentKiB();
    long afterFirstPass = 0;
    int passes = 0;
    for (int step = 1; step <= steps; ++step) {
        const Long counterBefore = s.cntCounterDwLoadImage;
        form->parts().slideshow->imgClock_Timer();
        // The file was read by the first load; the limit applies from then on.
        if (step == 1) {
            afterFirstPass = residentKiB();
            form->parts().panel.SSTCfg_timeDwLoad->setText(kDownloadMinutes);
            form->parts().panel.SSTCfg_timeRefresh->setText(kSlideSeconds);
        } else if (s.cntCounterDwLoadImage < counterBefore) {
            ++passes;
            std::printf("download pass %d at step %d: RSS %ld KiB\n", passes, step, residentKiB());
        }
        if (step == kFirstCycleSteps || step % 10 == 0)
            std::printf("step %3d: RSS %ld KiB\n", step, residentKiB());
        window.stopTimers();
        if (s.ExitToProgram != 0 || s.pictureCount <= 0) {
            std::fprintf(stderr, "the slideshow stopped at step %d\n", step);
            return 1;
        }
        runEventLoop(kBetweenStepsMs);
    }
    const long atEnd = residentKiB();
    std::printf("pictures in the store: %d, download passes: %d\n", int(s.pictureCount), passes);
    std::printf("RSS at start: %ld KiB\n", atStart);
    std::printf("RSS after the first pass: %ld KiB\n", afterFirstPass);
    std::printf("RSS after %d steps: %ld KiB (%+ld KiB, %+.1f%%)\n", steps, atEnd,
                atEnd - afterFirstPass, 100.0 * double(atEnd - afterFirstPass) / afterFirstPass);
    return passes >= 2 ? 0 : 1;
}
