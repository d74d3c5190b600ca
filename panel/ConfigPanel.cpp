#include "panel/ConfigPanel.h"

#include "anigif/ucAniGIF.h"
#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Timers.h"
#include "catalogue/CatalogueClient.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "panel/PanelControls.h"
#include "panel/PanelLayout.h"
#include "panel/PictureSelectionPage.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "platform/ScreenPlacement.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureView.h"
#include "slideshow/ViewControls.h"
#include "storage/TownSettings.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QWebEngineView>

namespace tw = platform::twips;

namespace {

constexpr int kWaitStepMs = 200;
// Time a reply may take beyond Inet1's own request time-out (as the catalogue client allows).
constexpr int kReplyGraceMs = CatalogueClient::kCompletionGraceMs;

} // namespace

ConfigPanel::ConfigPanel(PanelControls& controls, AppState& state, platform::Platform& platform,
                         PanelParts parts, PanelLinks links)
    : controls_(controls), state_(state), platform_(platform), parts_(parts),
      links_(std::move(links)) {
    updateAccessibleNames();
}

void ConfigPanel::Apre_Setup() {
    AppState& s = state_;
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    parts_.pictureSelection.ShowPreviewArea();
    if (const auto tip = i18n::fourLanguage(i18n::kWaitFrameToolTip, s.Lingua)) {
        c.FormWait->setToolTip(*tip);
        c.LabelWait->setText(*i18n::fourLanguage(i18n::kWaitFrameCaption, s.Lingua));
        c.TextPictureSelection->setText(*i18n::fourLanguage(i18n::kPreviewCaption, s.Lingua));
    }
    tw::move(c.FormWait, u, platform_.screenWidthTwips() / 3, platform_.screenHeightTwips() / 2);
    platform::keepOnScreen(c.FormWait, platform_.screen->sizePixels());
    c.FormWait->show();
    c.FormWait->raise();
    parts_.views.ucAniGIF1->setDelayAnimation(2);
    parts_.views.ucAniGIF1->hide();
    parts_.townSettings.LoadTownSettings();
    for (QWidget* w :
         {c.SSTCfg_Loadcnf, c.SSTCfg_BackUpcnf, c.SSTCfg_Loadconf, c.SSTCfg_Backupconf}) {
        w->show();
        w->setEnabled(true);
    }
    if (links_.CheckVersion)
        links_.CheckVersion();
    if (links_.UpdateCollections)
        links_.UpdateCollections();
    parts_.language.ApplyLanguage();
    updateAccessibleNames();
    // A request made while a slideshow step runs is kept: the panel-control timer serves it once
    // the step has ended. Only the end of the program outranks it.
    if (s.flagCmdButton == codes::command::kEnd) {
        c.FormWait->hide();
        return;
    }
    BarControls& bar = parts_.controlBar.controls();
    bar.whoWeAre->setEnabled(false);
    bar.btSetup->setEnabled(false);
    s.flagCmdButton = codes::command::kOpenPanel;
}

bool ConfigPanel::waitFor(const std::function<bool()>& done, int boundMs) {
    return platform::waitUntil(*platform_.clock, *platform_.ending, done, boundMs, kWaitStepMs);
}

QString ConfigPanel::waitUntilQuiet() {
    const AppState& s = state_;
    const int replyBound = qMax(0, parts_.Inet1.RequestTimeout()) + kReplyGraceMs;
    if (!waitFor([&s] { return s.flagReplyArrived != kFalse; }, replyBound))
        return i18n::text::kCatalogueRequestBusy;
    if (!waitFor([&s] { return s.clockStatus != 1; }, stepWaitMs))
        return i18n::text::kSlideshowStepBusy;
    return QString();
}

void ConfigPanel::OpenConfigPanel() {
    AppState& s = state_;
    PanelControls& c = controls_;
    const QString busy = waitUntilQuiet();
    if (platform_.endingRequested())
        return;
    LayoutPanelPages();
    c.SSTCfg->setCurrentWidget(c.pageTools);
    c.SSTCfg->show();
    c.SSTCfg->raise();
    c.FrameWizard->show();
    placeHelpFrame();
    keepFramesOnScreen();
    s.configDirty = 1;
    c.lVersion->hide();
    parts_.views.fotoBrowser->clearPicture();
    parts_.controlBar.controls().lblMsgUser->hide();
    parts_.timers.imgClock.stop();
    if (!busy.isEmpty()) {
        catalogueUnavailable(busy);
        return;
    }

    s.catalogueLoaded = 0;
    s.fullCatalogueWanted = 1;
    CatalogueClient& client = parts_.catalogueClient;
    client.LoadCatalogue(1);
    if (platform_.endingRequested())
        return;
    switch (client.lastLoad()) {
    case CatalogueClient::Load::Arrived: // the list is filled and the wait frame gone
        break;
    case CatalogueClient::Load::Failed:
        catalogueUnavailable(i18n::text::kCatalogueNoAnswer);
        break;
    case CatalogueClient::Load::NotRequested: // nothing selected to load: the list stays
        c.FormWait->hide();
        break;
    }
}

void ConfigPanel::catalogueUnavailable(const QString& reason) {
    // A list from another load would pair the entries with the wrong ids: better none.
    controls_.Tabella_Mappe_Selezionate->clear();
    controls_.FormWait->hide();
    platform_.messages->showMessage(i18n::text::kCatalogueNotLoaded.arg(reason),
                                    platform::kAppTitle, platform::MsgIcon::Exclamation);
}

void ConfigPanel::placeHelpFrame() {
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    const int top = tw::top(c.SSTCfg, u) + tw::height(c.SSTCfg, u) + 200;
    tw::setTop(c.FrameWizard, u, top);
    tw::setWidth(c.FrameWizard, u, tw::width(c.SSTCfg, u));
    tw::setTop(c.FrameDescPreview, u, top);
}

void ConfigPanel::keepFramesOnScreen() {
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    const QSize screen = platform_.screen->sizePixels();
    // The preview stands right of the panel. On a narrow screen it takes the room left there,
    // unless that room is too small to show a page; it then moves over the panel.
    QWidget* preview = c.BrowserImgPreview;
    const int room = screen.width() - preview->x();
    if (preview->x() + preview->width() > screen.width() && room >= preview->width() / 2) {
        for (QWidget* w : {static_cast<QWidget*>(preview), static_cast<QWidget*>(c.DescPreview),
                           static_cast<QWidget*>(c.FrameDescPreview)})
            tw::setWidth(w, u, u.pixelsToTwips(room));
    }
    for (QWidget* w :
         {static_cast<QWidget*>(c.FrameWizard), static_cast<QWidget*>(c.FrameDescPreview), preview})
        platform::keepOnScreen(w, screen);
}

void ConfigPanel::LayoutPanelPages() {
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    for (QWidget* w :
         {static_cast<QWidget*>(c.SSTCfg), static_cast<QWidget*>(c.ImgPreview),
          static_cast<QWidget*>(c.FrameDescPreview), static_cast<QWidget*>(c.DescPreview)})
        w->hide();
    // Each page is current while it is laid out; every change runs SSTCfg_Click.
    c.SSTCfg->setCurrentWidget(c.pageDisplayTimers);
    panellayout::LayoutDisplayTimersPage(c, u);
    c.SSTCfg->setCurrentWidget(c.pagePictureSelection);
    panellayout::LayoutPictureSelectionPage(c, u);
    c.SSTCfg->setCurrentWidget(c.pageRunExit);
    panellayout::LayoutRunExitPage(c, u);
    c.SSTCfg->setCurrentWidget(c.pageTools);
    panellayout::LayoutToolsPage(c, u);
}
