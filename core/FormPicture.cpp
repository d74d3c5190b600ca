#include "core/FormPicture.h"

#include "bar/ControlBar.h"
#include "base/ClickLabel.h"
#include "base/TimerHandlers.h"
#include "catalogue/CatalogueClient.h"
#include "catalogue/PictureFetcher.h"
#include "catalogue/PictureLoader.h"
#include "core/ClockLoop.h"
#include "core/PanelControl.h"
#include "core/ProgramEnd.h"
#include "core/Startup.h"
#include "diagnostics/Diagnostics.h"
#include "diagnostics/DisplayDebug.h"
#include "diagnostics/DisplayDebug2.h"
#include "i18n/Language.h"
#include "i18n/LanguageChoice.h"
#include "panel/Collections.h"
#include "panel/ConfigPanel.h"
#include "panel/DisplayTimersPage.h"
#include "panel/HoverHelp.h"
#include "panel/PictureSelectionPage.h"
#include "platform/HttpControl.h"
#include "shell/ShellActions.h"
#include "slideshow/Presentation.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"
#include "storage/TownSettings.h"
#include "updates/VersionCheck.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QWebEngineView>

WindowParts::WindowParts() = default;
WindowParts::~WindowParts() = default;

namespace {

// A click on `control` runs `handler`, whose exceptions stay inside it.
template <typename Handler> void onClick(ClickLabel* control, QObject* context, Handler handler) {
    QObject::connect(control, &ClickLabel::clicked, context,
                     [handler] { timers::runGuarded("click", handler); });
}

// Clicks on every control of `controls` run `handler`.
template <typename Handler>
void onClicks(std::initializer_list<ClickLabel*> controls, QObject* context, Handler handler) {
    for (ClickLabel* control : controls)
        onClick(control, context, handler);
}

// Hands the mouse presses and releases over a list's items area to the window's handlers.
class ListMouse : public QObject {
public:
    ListMouse(QWidget* area, std::function<void()> pressed, std::function<void()> released)
        : QObject(area), pressed_(std::move(pressed)), released_(std::move(released)) {
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            timers::runGuarded("list press", pressed_);
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            // After the list has made the item under the mouse current.
            QMetaObject::invokeMethod(
                this, [this] { timers::runGuarded("list click", released_); },
                Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> pressed_;
    std::function<void()> released_;
};

// Every tick of `timer` runs `handler`, whose exceptions stay inside it.
template <typename Handler>
void onTick(QTimer& timer, const char* name, QObject* context, Handler handler) {
    QObject::connect(&timer, &QTimer::timeout, context,
                     [name, handler] { timers::runGuarded(name, handler); });
}

} // namespace

FormPicture::FormPicture(platform::Platform& platform, const QString& commandLine, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setupWindow();
    setupPanelControls();
    setupBar();
    setupDiagnostics();
    setupLanguage();
    setupStorage();
    setupPresentation();
    setupShell();
    setupCatalogue();
    setupSlideshow();
    setupUpdates();
    setupPanel();
    setupCore(commandLine);
}

FormPicture::~FormPicture() = default;

void FormPicture::setupWindow() {
    setObjectName(QStringLiteral("FormPicture"));
    setWindowTitle(platform::kAppTitle);
    setAttribute(Qt::WA_StyledBackground);
    resize(platform_.screen->sizePixels());
    parts_.Inet1 = platform::makeQtHttpControl(this, platform_.ending.get());
    Timers& t = parts_.timers;
    t.generalClock.setInterval(500);
    t.utilityTmr.setInterval(300);
    t.panControl.setInterval(1000);
    t.imgClock.setInterval(500);
    t.Timer4000.setInterval(4000);
}

void FormPicture::setupPanelControls() {
    parts_.panel = createPanelControls(this, platform_.units());
}

void FormPicture::setupBar() {
    parts_.bar = createBarControls(this, platform_.units());
    parts_.controlBar = std::make_unique<ControlBar>(
        parts_.bar, this, state, platform_, parts_.panel.SSTCfg_timeDwLoad,
        [this] { parts_.configPanel->Apre_Setup(); },
        [this] { parts_.configPanel->btHelp_Click(); });
    ControlBar& c = *parts_.controlBar;
    BarControls& b = parts_.bar;
    onClick(b.btSetup, this, [&c] { c.btSetup_Click(); });
    onClick(b.btHelp, this, [&c] { c.btHelp_Click(); });
    onClick(b.connectStatus, this, [&c] { c.ImageConnesso_Click(); });
    onClick(b.ImageConnesso, this, [&c] { c.ImageConnesso_Click(); });
    connect(b.PotBar, &QScrollBar::valueChanged, this, [&c] { c.PotBar_Change(); });
}

void FormPicture::setupDiagnostics() {
    DiagnosticsLinks links;
    links.SSTCfg_timeDwLoad = parts_.panel.SSTCfg_timeDwLoad;
    links.whoWeAre = parts_.bar.whoWeAre;
    links.proxyFields = [this] {
        const ConnectionFrame& f = parts_.proxySettings->frame();
        return QStringList{f.Proxy_Address->text(), f.Proxy_Port->text(), f.Proxy_Username->text(),
                           f.Proxy_Password->text()};
    };
    links.ApplyHelpTexts = [this] { parts_.language->ApplyHelpTexts(); };
    links.endNow = [] { programend::quitEventLoop(); };
    parts_.diagnostics =
        std::make_unique<Diagnostics>(this, state, platform_, parts_.timers, std::move(links));

    Diagnostics& d = *parts_.diagnostics;
    DisplayDebug& debug = d.displayDebug();
    onTick(debug.dbDisplay, "dbDisplay", this, [&d] { d.dbDisplay_Timer(); });
    const auto onPress = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this,
                [handler] { timers::runGuarded("diagnostics", handler); });
    };
    onPress(debug.dbSetDwload, [&d] { d.dbSetDwload_Click(); });
    onPress(debug.FlagflagCmdButton, [&d] { d.FlagflagCmdButton_Click(); });
    onPress(debug.ViewClockStatus, [&d] { d.ViewClockStatus_Click(); });
    onPress(debug.RunCalcolaSchermo, [&d] { d.RunCalcolaSchermo_Click(); });
    onPress(debug.Delete_Help_box, [&d] { d.Delete_Help_box_Click(); });
    onPress(d.displayDebug2().Command_Nascondi, [&d] { d.Command_Nascondi_Click(); });
    const std::vector<ClickLabel*>& list = d.displayDebug2().ListData_txt;
    for (std::size_t i = 0; i < list.size(); ++i)
        onClick(list[i], this, [&d, i] { d.ListData_txt_Click(static_cast<int>(i)); });
    onClick(parts_.bar.Label12, this, [&d] { d.Label12_Click(); });
}

void FormPicture::setupLanguage() {
    PanelControls& p = parts_.panel;
    LanguageTargets targets;
    targets.SSTCfg = p.SSTCfg;
    targets.pages = {p.pageDisplayTimers, p.pagePictureSelection, p.pageRunExit, p.pageTools};
    targets.Label11 = p.Label11;
    targets.Pallino_Rosso_Timers = p.Pallino_Rosso_Timers;
    targets.Pallino_Rosso_Run_Exit = p.Pallino_Rosso_Run_Exit;
    targets.Pallino_Rosso_Tools = p.Pallino_Rosso_Tools;
    targets.Box_Help_Display_Timer = p.Box_Help_Display_Timer;
    targets.Box_Help_Run_Exit = p.Box_Help_Run_Exit;
    targets.LeftTipText = p.LeftTipText;
    targets.txtDisplay = p.txtDisplay;
    targets.txtDisplay2 = p.txtDisplay2;
    targets.captionRoot = this;
    parts_.language = std::make_unique<Language>(state, platform_, targets);
    parts_.languageSettings = std::make_unique<LanguageSettings>(state, *parts_.language);
    parts_.languageChoice = std::make_unique<LanguageChoice>(
        this, p.SSTCfg, state, platform_, *parts_.language, *parts_.languageSettings);

    LanguageChoice& choice = *parts_.languageChoice;
    const LanguageFrame& f = choice.frame();
    connect(f.English_01, &QRadioButton::clicked, this, [&choice] { choice.English_01_Click(); });
    connect(f.Italian_02, &QRadioButton::clicked, this, [&choice] { choice.Italian_02_Click(); });
    connect(f.French_03, &QRadioButton::clicked, this, [&choice] { choice.French_03_Click(); });
    connect(f.Spanish_04, &QRadioButton::clicked, this, [&choice] { choice.Spanish_04_Click(); });
    onClick(p.IcoSwapSST6, this, [&choice] { choice.IcoSwapSST6_Click(); });
    onClick(p.LabelLanguage, this, [&choice] { choice.LabelLanguage_Click(); });
}

void FormPicture::setupStorage() {
    PanelControls& p = parts_.panel;
    SettingsControls settings;
    settings.SSTCfg_timeDwLoad = p.SSTCfg_timeDwLoad;
    settings.SSTCfg_timeRefresh = p.SSTCfg_timeRefresh;
    settings.txtDisplay = p.txtDisplay;
    settings.SSTCfg_LblinserisciImg = p.SSTCfg_LblinserisciImg;
    settings.Tabella_Mappe_Selezionate = p.Tabella_Mappe_Selezionate;
    settings.SSTCfg_salvaConfig = p.SSTCfg_salvaConfig;
    settings.SSTCfg_salvaConfig2 = p.SSTCfg_salvaConfig2;
    settings.SSTCfg_cmdConferma = p.SSTCfg_cmdConferma;
    settings.SSTCfg_ExitProgram = p.SSTCfg_ExitProgram;
    settings.whoWeAre = parts_.bar.whoWeAre;
    settings.ArrayDump = [this] { parts_.diagnostics->ArrayDump(); };
    Language& language = *parts_.language;
    parts_.configFiles =
        std::make_unique<ConfigFiles>(state, platform_, language, settings, parts_.timers.imgClock);
    parts_.proxySettings = std::make_unique<ProxySettings>(
        this, p.SSTCfg, parts_.bar.lCountDown, state, platform_, language, *parts_.Inet1);
    parts_.townSettings =
        std::make_unique<TownSettings>(this, p.SSTCfg, state, platform_, language);

    ProxySettings& proxy = *parts_.proxySettings;
    const ConnectionFrame& c = proxy.frame();
    connect(c.Proxy, &QRadioButton::clicked, this, [&proxy] { proxy.Proxy_Click(); });
    connect(c.No_Proxy, &QRadioButton::clicked, this, [&proxy] { proxy.No_Proxy_Click(); });
    connect(c.Connection_Selected, &QPushButton::clicked, this,
            [&proxy] { proxy.Connection_Selected_Click(); });
    connect(p.Connection, &QPushButton::clicked, this, [&proxy] { proxy.Connection_Click(); });
    connect(p.TestReadProxy, &QPushButton::clicked, this,
            [&proxy] { proxy.TestReadProxy_Click(); });
    TownSettings& town = *parts_.townSettings;
    connect(town.frame().OkYourTown, &QPushButton::clicked, this,
            [&town] { town.OkYourTown_Click(); });
    // The town file has no other editor: the icon and its caption show the town frame.
    onClicks({p.YourTownIco, p.YourTownLbl}, this, [&town] { town.ShowTownFrame(); });
    ConfigFiles& config = *parts_.configFiles;
    onClick(p.Cleanup, this, [&config] { config.Cleanup_Click(); });
    onClick(p.Cleanup2, this, [&config] { config.Cleanup2_Click(); });
}

void FormPicture::setupPresentation() {
    parts_.views = createViewControls(this);
    parts_.presentation =
        std::make_unique<Presentation>(parts_.views, *parts_.controlBar, parts_.panel.txtDisplay,
                                       this, state, platform_, *parts_.language);
    Presentation& presentation = *parts_.presentation;
    // The caption does what its icon does, as every caption of the panel.
    onClicks({parts_.panel.dyMode, parts_.panel.dyMode2}, this,
             [&presentation] { presentation.dyMode_Click(); });
}

void FormPicture::setupShell() {
    parts_.shellActions = std::make_unique<ShellActions>(state, platform_);
    ShellActions& shell = *parts_.shellActions;
    onClicks({parts_.panel.RunTeamViewer, parts_.panel.IcoHelpTools2}, this,
             [&shell] { shell.RunTeamViewer_Click(); });
}

void FormPicture::setupCatalogue() {
    PanelControls& p = parts_.panel;
    parts_.pictureLoader = std::make_unique<PictureLoader>(state, platform_, parts_.views);
    FetchPanel panel;
    panel.Tabella_Mappe_Selezionate = p.Tabella_Mappe_Selezionate;
    panel.SSTCfg_timeRefresh = p.SSTCfg_timeRefresh;
    panel.OpenConfigPanel = [this] { parts_.configPanel->OpenConfigPanel(); };
    panel.hidePanel = [this] { parts_.pictureSelection->hidePanel(); };
    parts_.pictureFetcher = std::make_unique<PictureFetcher>(
        state, platform_, parts_.timers, parts_.views, *parts_.controlBar, *parts_.presentation,
        *parts_.configFiles, *parts_.townSettings, *parts_.pictureLoader, *parts_.Inet1,
        std::move(panel));
    parts_.catalogueClient = std::make_unique<CatalogueClient>(
        state, platform_, *parts_.Inet1, *parts_.configFiles, *parts_.pictureFetcher,
        [this] { parts_.pictureSelection->FillPictureList(); });

    CatalogueClient& client = *parts_.catalogueClient;
    connect(parts_.Inet1, &platform::HttpControl::StateChanged, this,
            [&client](int changed) { client.Inet1_StateChanged(changed); });
    PictureFetcher& fetcher = *parts_.pictureFetcher;
    connect(parts_.views.webvis, &QWebEngineView::loadFinished, this,
            [&fetcher](bool ok) { fetcher.webvis_DocumentComplete(ok); });
}

void FormPicture::setupSlideshow() {
    PanelControls& p = parts_.panel;
    StepLinks links;
    links.SSTCfg_timeDwLoad = p.SSTCfg_timeDwLoad;
    links.SSTCfg_timeRefresh = p.SSTCfg_timeRefresh;
    links.txtDisplay = p.txtDisplay;
    links.Splitta5 = [this](const QString& record) { parts_.startup->Splitta5(record); };
    links.endNow = [this] { programend::endNow(window_); };
    links.LoadCatalogue = [this](Integer mode) { parts_.catalogueClient->LoadCatalogue(mode); };
    links.FetchPass = [this](Integer type) { parts_.pictureFetcher->FetchPass(type); };
    links.showPictureAddress = [this](Integer p) { parts_.diagnostics->showPictureAddress(p); };
    parts_.slideshow = std::make_unique<Slideshow>(
        this, state, platform_, parts_.timers, parts_.views, *parts_.controlBar,
        *parts_.presentation, *parts_.configFiles, *parts_.language, std::move(links));
    Slideshow& slideshow = *parts_.slideshow;
    onTick(parts_.timers.imgClock, "imgClock", this, [&slideshow] { slideshow.imgClock_Timer(); });
}

void FormPicture::setupUpdates() {
    parts_.versionCheck = std::make_unique<VersionCheck>(state, platform_, parts_.bar.whoWeAre);
}

void FormPicture::setupPanel() {
    PanelControls& p = parts_.panel;
    parts_.displayTimers = std::make_unique<DisplayTimersPage>(p, state);
    parts_.pictureSelection = std::make_unique<PictureSelectionPage>(
        p, state, platform_, *parts_.controlBar, parts_.timers, *parts_.language,
        *parts_.configFiles, *parts_.catalogueClient, *parts_.pictureFetcher,
        [this] { parts_.versionCheck->CheckVersion(); });
    PanelLinks links;
    links.CheckVersion = [this] { parts_.versionCheck->CheckVersion(); };
    links.UpdateCollections = [this] { parts_.versionCheck->UpdateCollections(); };
    parts_.configPanel = std::make_unique<ConfigPanel>(
        p, state, platform_,
        PanelParts{*parts_.controlBar, parts_.views, parts_.timers, *parts_.language,
                   *parts_.townSettings, *parts_.configFiles, *parts_.catalogueClient,
                   *parts_.shellActions, *parts_.Inet1, *parts_.displayTimers,
                   *parts_.pictureSelection},
        std::move(links));
    parts_.hoverHelp = new HoverHelp(this, p, state);

    ConfigPanel& panel = *parts_.configPanel;
    connect(p.SSTCfg, &QTabWidget::currentChanged, this,
            [&panel] { timers::runGuarded("SSTCfg", [&panel] { panel.SSTCfg_Click(); }); });
    const auto navigate = [this, &panel](std::initializer_list<ClickLabel*> controls,
                                         QWidget* page) {
        onClicks(controls, this, [&panel, page] { panel.showPage(page); });
    };
    navigate({p.IcoSwapSST0, p.IcoSwapSST02, p.LittleTool00, p.TextDisplayTimers0, p.LittleTool30,
              p.TextDisplayTimers3},
             p.pageDisplayTimers);
    navigate({p.IcoSwapSST2, p.IcoSwapSST22, p.LittleTool02, p.TextPictureSelection0,
              p.LittleTool32, p.TextPictureSelection3},
             p.pagePictureSelection);
    navigate({p.IcoSwapSST3, p.IcoSwapSST32, p.LittleTool03, p.TextRunExit0, p.LittleTool33,
              p.TextRunExit3},
             p.pageRunExit);
    navigate({p.TextTool5, p.TextTool1, p.TextTool3, p.Image3, p.TextTool4,
              parts_.townSettings->frame().Label5},
             p.pageTools);
    onClicks({p.helpTime, p.helpTime2}, this, [&panel] { panel.helpTime_Click(); });
    onClicks({p.helpImg, p.helpImg2}, this, [&panel] { panel.helpImg_Click(); });
    onClicks({p.helpEsegui, p.helpEsegui2}, this, [&panel] { panel.helpEsegui_Click(); });
    onClicks({p.zepStatusBar, p.zepStatusBar2}, this, [&panel] { panel.zepStatusBar_Click(); });
    onClick(p.SSTCfg_salvaConfig, this, [&panel] { panel.SSTCfg_salvaConfig_Click(); });
    onClick(p.SSTCfg_salvaConfig2, this, [&panel] { panel.SSTCfg_salvaConfig2_Click(); });
    // A change of language renames the icons for the accessibility interface too.
    onClicks({p.IcoSwapSST6, p.LabelLanguage}, this, [&panel] { panel.updateAccessibleNames(); });

    DisplayTimersPage& timersPage = *parts_.displayTimers;
    connect(p.SSTCfg_timeDwLoad, &TextBox::clicked, this,
            [&timersPage] { timersPage.SSTCfg_timeDwLoad_Click(); });
    connect(p.SSTCfg_timeRefresh, &TextBox::clicked, this,
            [&timersPage] { timersPage.SSTCfg_timeRefresh_Click(); });
    connect(p.SSTCfg_timeDwLoad, &TextBox::keyPressed, this,
            [&timersPage](QChar c) { timersPage.SSTCfg_timeDwLoad_KeyPress(c); });
    connect(p.SSTCfg_timeRefresh, &TextBox::keyPressed, this,
            [&timersPage](QChar c) { timersPage.SSTCfg_timeRefresh_KeyPress(c); });
    connect(p.SSTCfg_timeDwLoad, &TextBox::lostFocus, this,
            [&timersPage] { timersPage.SSTCfg_timeDwLoad_LostFocus(); });
    connect(p.SSTCfg_timeRefresh, &TextBox::lostFocus, this,
            [&timersPage] { timersPage.SSTCfg_timeRefresh_LostFocus(); });
    onClicks({p.SSTCfg_Download, p.SSTCfg_Download2}, this,
             [&timersPage] { timersPage.SSTCfg_Download_Click(); });
    onClicks({p.SSTCfg_Aggiorna, p.SSTCfg_Aggiorna2}, this,
             [&timersPage] { timersPage.SSTCfg_Aggiorna_Click(); });
    connect(p.txtDisplay, &QLineEdit::textChanged, this,
            [&timersPage] { timersPage.txtDisplay_Change(); });
    connect(p.txtDisplay, &TextBox::clicked, this,
            [&timersPage] { timersPage.txtDisplay_Click(); });

    PictureSelectionPage& pictures = *parts_.pictureSelection;
    new ListMouse(
        p.Tabella_Mappe_Selezionate->viewport(),
        [&pictures] { pictures.Tabella_Mappe_Selezionate_MouseDown(); },
        [&pictures] { pictures.Tabella_Mappe_Selezionate_Click(); });
    connect(p.PreViewEnabled, &QCheckBox::clicked, this, [&pictures] {
        timers::runGuarded("PreViewEnabled", [&pictures] { pictures.PreViewEnabled_Click(); });
    });
    onClick(p.Label11, this, [&pictures] { pictures.ClearSelection(); });
    onClicks({p.SSTCfg_FileUser, p.SSTCfg_FileUser2}, this,
             [&pictures] { pictures.SSTCfg_FileUser_Click(); });
    onClicks({p.SSTCfg_resetUserImg, p.SSTCfg_resetUserImg2}, this,
             [&pictures] { pictures.SSTCfg_resetUserImg_Click(); });
    Diagnostics& diagnostics = *parts_.diagnostics;
    onClicks({p.SSTCfg_cmdConferma, p.SSTCfg_cmdConferma2}, this, [&pictures, &diagnostics] {
        pictures.SSTCfg_cmdConferma_Click();
        diagnostics.ArrayDump();
    });

    CollectionControls collectionControls;
    collectionControls.SSTCfg = p.SSTCfg;
    collectionControls.pageRunExit = p.pageRunExit;
    collectionControls.Tabella_Mappe_Selezionate = p.Tabella_Mappe_Selezionate;
    collectionControls.Wait_Ico = p.Wait_Ico;
    parts_.collections = std::make_unique<Collections>(collectionControls, state, platform_,
                                                       *parts_.configFiles, panel, pictures);
    Collections& collections = *parts_.collections;
    // Only the Back Up icon writes a collection: its caption has no action.
    onClick(p.SSTCfg_BackUpcnf, this, [&collections] { collections.SSTCfg_BackUpcnf_Click(); });
    onClicks({p.SSTCfg_Loadcnf, p.SSTCfg_Loadconf}, this,
             [&collections] { collections.SSTCfg_Loadcnf_Click(); });
}

void FormPicture::setupCore(const QString& commandLine) {
    parts_.panelControl = std::make_unique<PanelControl>(window_);
    parts_.clockLoop = std::make_unique<ClockLoop>(window_);
    parts_.startup = std::make_unique<Startup>(window_, commandLine);

    Timers& t = parts_.timers;
    ClockLoop& clock = *parts_.clockLoop;
    onTick(t.generalClock, "generalClock", this, [&clock] { clock.generalClock_Timer(); });
    onTick(t.utilityTmr, "utilityTmr", this, [&clock] { clock.utilityTmr_Timer(); });
    connect(&t.Timer4000, &QTimer::timeout, this, [&clock] { clock.Timer4000_Timer(); });
    PanelControl& control = *parts_.panelControl;
    onTick(t.panControl, "panControl", this, [&control] { control.panControl_Timer(); });
    onClick(parts_.bar.btTermina, this, [&control] { control.btTermina_Click(); });
    onClick(parts_.panel.SSTCfg_ExitProgram, this,
            [&control] { control.SSTCfg_ExitProgram_Click(); });
    onClick(parts_.panel.SSTCfg_ExitProgram2, this,
            [&control] { control.SSTCfg_ExitProgram2_Click(); });
}

void FormPicture::closeEvent(QCloseEvent* event) {
    // The program's own ends have already marked it; only a close from outside is handled here.
    if (state.ExitToProgram == kFalse) {
        platform_.ending->request();
        state.ExitToProgram = kTrue;
        programend::stopShow(window_);
        programend::quitEventLoop();
    }
    QWidget::closeEvent(event);
}

void FormPicture::Form_Load() {
    if (!parts_.startup->Form_Load())
        state.ExitToProgram = 1;
}
