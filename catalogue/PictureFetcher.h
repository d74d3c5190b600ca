#pragma once
// One pass over the selected entries: every picture fetched by its source kind into the store.
//
// The class is split over three files:
//   PictureFetcher.cpp   FetchPass and its entries by source kind, FetchImageSeries, the own
//                        and folder pictures, the update notice
//   PageRender.cpp       RenderWebPage, CaptureScreenToFile, CloseBrowserWindows, the browser
//                        page and the render's bounded waits
//   ScriptPageImage.cpp  SaveFirstPageImage and SaveImageFromUrl: a script page's first image

#include "base/VbTypes.h"

#include <QString>
#include <QStringList>
#include <functional>

struct AppState;
class ConfigFiles;
class ControlBar;
class PictureLoader;
class Presentation;
class QLineEdit;
class QListWidget;
class SilentWebPage;
struct Timers;
class TownSettings;
struct ViewControls;
namespace platform {
class HttpControl;
struct Platform;
} // namespace platform

// What the fetch pass uses of the configuration panel.
struct FetchPanel {
    // The catalogue list whose selection a pass from the panel fetches.
    QListWidget* Tabella_Mappe_Selezionate = nullptr;
    QLineEdit* SSTCfg_timeRefresh = nullptr; // slide seconds
    // Asks for the panel when nothing is selected.
    std::function<void()> OpenConfigPanel;
    // Puts the panel away when a pass from it has fetched the pictures.
    std::function<void()> hidePanel;
};

class PictureFetcher {
public:
    PictureFetcher(AppState& state, platform::Platform& platform, Timers& timers,
                   ViewControls& views, ControlBar& controlBar, Presentation& presentation,
                   ConfigFiles& configFiles, TownSettings& townSettings,
                   PictureLoader& pictureLoader, platform::HttpControl& Inet1, FetchPanel panel);

    bool FetchPass(Integer type);
    // Both true when the capture was written.
    bool RenderWebPage();
    bool CaptureScreenToFile();
    void CloseBrowserWindows();
    // Saves the first image of the page webvis is opening as "PHP.gif". False, with the reason
    // in lastError_, when the page does not load in time, holds no image, or the image cannot
    // be fetched or written.
    bool SaveFirstPageImage();
    bool SaveImageFromUrl(const QString& folder, const QString& address);
    // Fetches the kind-"5" entry tmpStrUrl into consecutive slots from `slot`; leaves `slot`
    // on the last slot it filled.
    void FetchImageSeries(Integer& slot);
    // The page-completed event of webvis.
    void webvis_DocumentComplete(bool ok);

    QString webPageUrl;

    // Upper bounds of the browser waits, in real milliseconds.
    int pageLoadTimeoutMs = 60000;   // a rendered page's completion
    int scriptPageTimeoutMs = 30000; // a script page's completion before its image is read
    int scriptResultTimeoutMs = 10000;
    // How long the capture waits for the view's first drawn frame after the page completed.
    int firstFrameTimeoutMs = 10000;
    // The empty document that replaces a page once it has been read.
    int blankPageTimeoutMs = 10000;

private:
    bool buildEntries(Integer type, QStringList& entries, bool& changed);
    void noSelection();
    // Fetches the entries of listImageSELECTED; returns the first slot after them.
    Integer fetchEntries(bool changed);
    // Fetches entry tmpStrUrl into `slot` (a series may fill more; `slot` ends on its last).
    void fetchEntry(Integer& slot);
    void fetchPage(Integer slot, const QString& address);
    void fetchScriptPage(Integer slot);
    void preparePageEntry();
    void announceUpdate();
    // Own picture and slide-show folder pictures from slot `slot` on.
    void appendOwnPictures(Integer& slot);
    void appendPictureFile(const QString& path, Integer& slot);

    // Runs the one-shot delay of Timer4000 for `ms`.
    void delayWithTimer4000(int ms);
    // Yields until `done` or `boundMs` real milliseconds have passed; true when done.
    bool waitUntil(const std::function<bool()>& done, int boundMs);
    SilentWebPage& silentPage();
    // Drops the page object, and with it the engine's render process; the next page makes a
    // new one.
    void releaseBrowserEngine();
    // Replaces the page in webvis by an empty document, so that a page that has been captured
    // or read runs no scripts, refreshes or sound while it is hidden. The page object stays.
    void clearBrowserView();
    QString capturePath() const;

    AppState& state_;
    platform::Platform& platform_;
    Timers& timers_;
    ViewControls& views_;
    ControlBar& controlBar_;
    Presentation& presentation_;
    ConfigFiles& configFiles_;
    TownSettings& townSettings_;
    PictureLoader& pictureLoader_;
    platform::HttpControl& Inet1_;
    FetchPanel panel_;
    SilentWebPage* page_ = nullptr;
    bool pageCompleted_ = false;
    // The page of the running render ended in an error (the site could not be reached): its
    // capture would only show the browser's error page.
    bool pageFailed_ = false;
    QString lastError_; // why the last page image could not be saved, for the message
};
