// The configuration panel's list: filling it from a catalogue of 2000 entries (the most the
// lists hold) and restoring a saved selection of 2000 positions; and opening the panel on the
// demo catalogue, served in-process on a free loopback port.
//
// A window on the fake platform (waits take no real time, so what is measured is the work
// apart from the program's own pauses) in a temporary portable root. Prints the shortest, the
// median and the longest of several runs, in milliseconds.
#include "BenchWindow.h"
#include "bar/ControlBar.h"
#include "core/FormPicture.h"
#include "core/PanelControl.h"
#include "panel/PanelControls.h"
#include "panel/PictureSelectionPage.h"
#include "storage/ConfigFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 15;
constexpr int kEntries = PictureSelectionPage::kMaxEntries;

// Runs `work` kRuns times after `prepare` each time; prints the times and returns the median.
double measure(const char* what, const std::function<void()>& prepare,
               const std::function<bool()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        if (!work()) {
            std::fprintf(stderr, "%s: run %d failed\n", what, i + 1);
            return -1;
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-52s min %8.2f  median %8.2f  max %8.2f ms\n", what, ms.front(), median,
                ms.back());
    return median;
}

} // namespace

int main(int argc, char** argv) {
    BenchWindow::prepareEnvironment();
    QApplication app(argc, argv);
    BenchWindow window;
    if (!window.start())
        return 1;
    FormPicture& form = window.form();
    AppState& s = form.state;
    const catalogueservice::Catalogue& catalogue = window.catalogue();
    PanelControls& p = form.parts().panel;
    PictureSelectionPage& page = *form.parts().pictureSelection;
    const QString listFile = s.WORK_PATH_FILE_LIST + ConfigFiles::kPictureListFile;

    // Opening the panel as the bar's setup button asks for it, on the demo catalogue.
    const double open = measure(
        "open the panel on the demo catalogue",
        [&] {
            page.hidePanel();
            s.flagCmdButton = 0;
            s.clockStatus = 0;
        },
        [&] {
            form.parts().controlBar->btSetup_Click();
            form.parts().panelControl->panControl_Timer();
            window.stopTimers();
            return p.SSTCfg->isVisible() &&
                   p.Tabella_Mappe_Selezionate->count() == catalogue.entries.size();
        });

    // 2000 entries, every one saved as selected.
    for (int k = 0; k < kEntries; ++k) {
        s.listURL[k] = QStringLiteral("2ttp://127.0.0.1:1/picture%1.jpg").arg(k);
        s.listURLcomment[k] = QStringLiteral("Entry %1: a weather picture with a description of "
                                             "usual length")
                                  .arg(k);
    }
    s.listURL[kEntries].clear();
    QByteArray pairs;
    for (int k = 0; k < kEntries; ++k)
        pairs += QByteArray::number(k) + "\r\n" + QByteArray::number(100000 + k) + "\r\n";
    pairs += "\r\n\r\n";
    QFile file(listFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(pairs) != pairs.size())
        return 1;
    file.close();
    const double fill = measure(
        "fill 2000 entries and restore 2000 selected", [] {},
        [&] {
            page.FillPictureList();
            return p.Tabella_Mappe_Selezionate->selectedItems().size() == kEntries;
        });
    return open >= 0 && fill >= 0 ? 0 : 1;
}
