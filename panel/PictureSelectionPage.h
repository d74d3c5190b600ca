#pragma once
// The Picture Selection page: the catalogue list with the saved selection marked, the preview of
// the clicked entry, clearing the selection, the user's own picture; and the start of the slide
// show from the Run / Exit page, which turns the selection into pictures.
//
// The class is split over two files:
//   PictureSelectionPage.cpp  FillPictureList, the list's click and press, ClearSelection, the
//                             own-picture buttons, the start and putting the panel away
//   PicturePreview.cpp        the preview area and the browser page behind it

#include <QString>
#include <functional>

struct AppState;
class CatalogueClient;
class ConfigFiles;
class ControlBar;
class Language;
class PictureFetcher;
struct PanelControls;
class SilentWebPage;
struct Timers;
namespace platform {
struct Platform;
}

class PictureSelectionPage {
public:
    // `CheckVersion` reads the version page (the start asks for it first).
    PictureSelectionPage(PanelControls& controls, AppState& state, platform::Platform& platform,
                         ControlBar& controlBar, Timers& timers, Language& language,
                         ConfigFiles& configFiles, CatalogueClient& catalogueClient,
                         PictureFetcher& pictureFetcher, std::function<void()> CheckVersion);
    ~PictureSelectionPage();

    void FillPictureList();
    void ShowPreviewArea();
    // Hidden means emptied: the last previewed page stops running.
    void HidePreviewArea();
    void Tabella_Mappe_Selezionate_Click();
    void Tabella_Mappe_Selezionate_MouseDown();
    void PreViewEnabled_Click();
    void ClearSelection();
    void SSTCfg_FileUser_Click();
    void SSTCfg_resetUserImg_Click();
    void SSTCfg_cmdConferma_Click();

    // Puts the panel and the frames around it away and releases the preview's page.
    void hidePanel();
    // Drops the preview's page, and with it the engine's render process.
    void releasePreview();
    // The preview's page while it exists.
    SilentWebPage* previewPage() const { return preview_; }

    // The picture-list file's positions this many at most are marked.
    static constexpr int kMaxEntries = 2000;

private:
    SilentWebPage& preparedPreviewPage();
    void showEntryPreview(int k);
    // The folder the own-picture dialog opens in.
    QString ownPictureFolder() const;
    void startSlideShow();

    PanelControls& controls_;
    AppState& state_;
    platform::Platform& platform_;
    ControlBar& controlBar_;
    Timers& timers_;
    Language& language_;
    ConfigFiles& configFiles_;
    CatalogueClient& catalogueClient_;
    PictureFetcher& pictureFetcher_;
    std::function<void()> CheckVersion_;
    SilentWebPage* preview_ = nullptr;
    // The start waits in the event loop, where a reopened panel could be started again.
    bool starting_ = false;
};
