#include "core/FormPicture.h"

#include "bar/ControlBar.h"
#include "catalogue/CatalogueClient.h"
#include "catalogue/PictureFetcher.h"
#include "catalogue/PictureLoader.h"
#include "core/ClockLoop.h"
#include "core/PanelControl.h"
#include "core/Placeholders.h"
#include "core/ProgramEnd.h"
#include "core/Startup.h"
#include "i18n/Language.h"
#include "platform/HttpControl.h"
#include "platform/TwipsGeometry.h"
#include "shell/ShellActions.h"
#include "slideshow/Presentation.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"
#include "storage/TownSettings.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>

FormPicture::FormPicture(platform::Platform& platform, const QString& commandLine, QWidget* parent)
    : QWidget(parent), commandLine(commandLine), platform_(platform) {
    setObjectName(QStringLiteral("FormPicture"));
    setWindowTitle(platform::kAppTitle);
    setAttribute(Qt::WA_StyledBackground);
    setupControls();
    setupTimers();
    setupSubsystems();
}

FormPicture::~FormPicture() = default;

void FormPicture::setupControls() {
    resize(platform_.screen->sizePixels());
    panel = createPanelControls(this);
    bar = createBarControls(this);
    languageFrame = createLanguageFrame(this);
    connectionFrame = createConnectionFrame(this);
    townFrame = createTownFrame(this);
    views = createViewControls(this);
    Inet1 = platform::makeQtHttpControl(this, platform_.ending.get());

    // Design-time sizes of the panel and the labels around it, in twips.
    const platform::Units u = units();
    platform::twips::setWidth(panel.SSTCfg, u, 9000);
    platform::twips::setHeight(panel.SSTCfg, u, 6600);
    platform::twips::setWidth(panel.FrameWizard, u, 9000);
    platform::twips::setHeight(panel.FrameWizard, u, 2400);
    platform::twips::setWidth(panel.lVersion, u, 3000);
    platform::twips::setHeight(panel.lVersion, u, 300);
    platform::twips::setHeight(bar.whoWeAre, u, 480);
    platform::twips::setHeight(bar.lCountDown, u, 285);
}

void FormPicture::setupTimers() {
    generalClock.setInterval(500);
    utilityTmr.setInterval(300);
    panControl.setInterval(1000);
    imgClock.setInterval(500);
    Timer4000.setInterval(4000);
}

void FormPicture::setupSubsystems() {
    startup_ = std::make_unique<Startup>(*this);
    configFiles_ = std::make_unique<ConfigFiles>(*this);
    proxySettings_ = std::make_unique<ProxySettings>(*this);
    languageSettings_ = std::make_unique<LanguageSettings>(*this);
    townSettings_ = std::make_unique<TownSettings>(*this);
    language_ = std::make_unique<Language>(*this);
    placeholders_ = std::make_unique<Placeholders>(*this);
    presentation_ = std::make_unique<Presentation>(*this);
    slideshow_ = std::make_unique<Slideshow>(*this);
    pictureLoader_ = std::make_unique<PictureLoader>(*this);
    catalogueClient_ = std::make_unique<CatalogueClient>(*this);
    pictureFetcher_ = std::make_unique<PictureFetcher>(*this);
    clockLoop_ = std::make_unique<ClockLoop>(*this);
    panelControl_ = std::make_unique<PanelControl>(*this);
    controlBar_ = std::make_unique<ControlBar>(*this);
    shellActions_ = std::make_unique<ShellActions>(*this);
}

void FormPicture::closeEvent(QCloseEvent* event) {
    // The program's own ends have already marked it; only a close from outside is handled here.
    if (state.ExitToProgram == kFalse) {
        platform_.ending->request();
        state.ExitToProgram = kTrue;
        programend::stopTimers(*this);
        programend::quitEventLoop();
    }
    QWidget::closeEvent(event);
}

void FormPicture::Form_Load() {
    if (!startup_->Form_Load())
        state.ExitToProgram = 1;
}

int FormPicture::screenWidthTwips() const {
    return units().pixelsToTwips(platform_.screen->sizePixels().width());
}

int FormPicture::screenHeightTwips() const {
    return units().pixelsToTwips(platform_.screen->sizePixels().height());
}

void FormPicture::ShowStatusText() {
    state.statusLine1 = state.statusLine1.left(95);
    state.statusLine2 = state.statusLine2.left(95);
    bar.whoWeAre->setText(state.statusLine1 + QStringLiteral("\r\n") + state.statusLine2);
}

void FormPicture::ResetPictureKinds() {
    state.listPictureKind.clear(0);
}

void FormPicture::Disegna_Barra2() {
    controlBar_->Disegna_Barra2();
}
