#include "core/Startup.h"

#include "anigif/ucAniGIF.h"
#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Shape.h"
#include "base/SiteAddress.h"
#include "base/Splitter.h"
#include "core/PanelControl.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "diagnostics/Diagnostics.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/Platform.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/Presentation.h"
#include "storage/ConfigFiles.h"
#include "storage/TownSettings.h"
#include "updates/VersionCheck.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWebEngineView>

namespace {

const QString kPortableSuffix = QStringLiteral("/App/Nimbrisco");
// The maker's web site: the help pages and the information page.
const QString kMakerSite = QStringLiteral("http://" NIMBRISCO_CATALOGUE_HOST "/");

QString endpointOn(const QString& host,
                   const QString& port = QStringLiteral(NIMBRISCO_CATALOGUE_PORT)) {
    return QStringLiteral("http://%1:%2/nimbrisco/catalogue?").arg(host, port);
}

// "LOCALHOST:<port>" reaches a service on this machine that listens on another port (a second
// service, or a test's): the port as a number from 1 to 65535, nothing else.
bool localPortField(const QString& field, QString& port) {
    const QString prefix = QStringLiteral("LOCALHOST:");
    if (!field.startsWith(prefix))
        return false;
    const QString digits = field.mid(prefix.size());
    bool ok = false;
    const uint number = digits.toUInt(&ok);
    if (!ok || number < 1 || number > 65535 || digits != QString::number(number))
        return false;
    port = digits;
    return true;
}

// The maker's web address with one space between its characters, for the banner.
QString spacedOut(const QString& text) {
    QStringList chars;
    for (const QChar c : text)
        chars << QString(c);
    return chars.join(QLatin1Char(' '));
}

} // namespace

QString Startup::defaultEndpoint() {
    return endpointOn(QStringLiteral(NIMBRISCO_CATALOGUE_HOST));
}

QString Startup::localEndpoint(const QString& port) {
    return port.isEmpty() ? endpointOn(QStringLiteral("localhost"))
                          : endpointOn(QStringLiteral("localhost"), port);
}

bool Startup::Form_Load() {
    WindowParts& p = window_.parts;
    AppState& s = window_.state;
    s.Ratio_X_Y = static_cast<float>(window_.platform.screenWidthTwips()) /
                  static_cast<float>(window_.platform.screenHeightTwips());
    CheckPortableLocation();
    s.WizardActive = kTrue;
    window_.widget.setStyleSheet(QStringLiteral("FormPicture { background: black; }"));
    p.townSettings->ParkTownFrame();
    s.Mirror_Type_Connection = kFalse;
    s.flagSilent = kTrue;
    p.presentation->HideRenderViews();
    resetRenderState();
    if (!PrepareWorkDirectories())
        return false;
    HideHelpCaller();
    s.Http2BmpRunning = 0;
    p.panel.SSTCfg->setCurrentWidget(p.panel.pageTools);
    s.Lingua = 999;
    s.connectWaitCount = 10;
    s.ExitToProgram = 0;
    p.panelControl->PanelButtonsBusy();
    setBannerAndPaths();
    resetCatalogueAndStore();
    applyCommandLine();
    ApplyFirstRunDefaults();
    if (s.flagDebug == 1)
        p.diagnostics->ShowDisplayDebug();
    s.configDirty = 0;
    s.clockStatus = 0;
    p.panel.lVersion->setText(QLatin1Char(' ') + s.versionText + QLatin1Char(' '));
    layoutPanel();
    p.controlBar->Disegna_Barra2();
    layoutStatusLabels();
    resetRunFlags();
    startGeneralClock();
    s.helpFile = s.appPath + QStringLiteral("/Nimbrisco.html");
    p.versionCheck->CheckVersion();
    window_.platform.windows->closeBrowserFrames();
    return true;
}

void Startup::resetRenderState() {
    AppState& s = window_.state;
    s.WebPageToImgEnd = 0;
    s.aniGifNumber = 1;
    s.aniGifTag = QStringLiteral("_ANIGIF_");
}

void Startup::setBannerAndPaths() {
    AppState& s = window_.state;
    s.weAre =
        spacedOut(QStringLiteral(NIMBRISCO_CATALOGUE_HOST)) + QStringLiteral("  Ver. 7.8.12P ");
    s.appPath = window_.platform.programDir;
    s.WORK_PATH_FILE_LIST = s.Nimbrisco_Work_Dir.trimmed() + QLatin1Char('/');
    s.imageFilePrefix = s.Nimbrisco_Work_Dir + QStringLiteral("/Nimbrisco7_Img");
}

void Startup::resetCatalogueAndStore() {
    AppState& s = window_.state;
    for (int i = 0; i < SlotList<QString>::kClearCount; ++i) {
        s.listData[i].clear();
        s.listURL[i].clear();
        s.listURLnameOnly[i].clear();
        s.listImageSELECTED[i].clear();
        s.listOLDImageSELECTED[i].clear();
        s.listIMAGEnotLoaded[i] = 0;
        s.listPictureKind[i] = codes::picture::kNone;
    }
    s.pictureCount = 0;
    s.GLOBAL_IMAGE_CURRENT_POINTER = 0;
    s.pictureTotal = 0;
    window_.parts.panel.SSTCfg_LblinserisciImg->clear();
    s.userMessage.clear();
    s.cntCounterDwLoadImage = 0;
    s.fullCatalogueWanted = 0;
    s.flagDebug = 0;
    s.endpointBase = defaultEndpoint();
    s.helpSite = kMakerSite;
    s.flagLocalhost = 0;
}

void Startup::resetRunFlags() {
    AppState& s = window_.state;
    s.flagReplyArrived = 1;
    s.flagCmdButton = codes::command::kRun;
    s.flagDownloadRunning = 0;
    s.firstLaunch = 0;
    s.flagFetchFromStep = 0;
    s.timerClockSave = saturatedInteger(window_.parts.timers.imgClock.interval());
    s.clockFromDebugSet = 0;
}

void Startup::startGeneralClock() {
    WindowParts& p = window_.parts;
    p.timers.panControl.stop();
    p.bar.timerflag->setFillColor(codes::colour::kRed);
    p.timers.generalClock.start();
}

void Startup::applyCommandLine() {
    AppState& s = window_.state;
    if (!commandLine_.isEmpty())
        Splitta10();
    for (int i = 0; i <= 9; ++i) {
        const QString& field = s.listSplit10[static_cast<std::size_t>(i)];
        QString port;
        if (field == QLatin1String("DEBUG_CODE")) {
            s.flagDebug = 1;
        } else if (field == QLatin1String("LOCALHOST")) {
            s.endpointBase = localEndpoint();
            s.flagLocalhost = 1;
        } else if (localPortField(field, port)) {
            s.endpointBase = localEndpoint(port);
            s.flagLocalhost = 1;
        } else if (field == QLatin1String("NOSILENT")) {
            s.flagSilent = kFalse;
        }
    }
    // Without the Internet the help pages come from the service on this computer too.
    if (s.flagLocalhost == 1)
        s.helpSite = siteRootOf(s.endpointBase);
}

void Startup::CheckPortableLocation() {
    AppState& s = window_.state;
    const QString programDir = window_.platform.programDir;
    s.PortablesPath = programDir;
    if (programDir.right(kPortableSuffix.size()) == kPortableSuffix) {
        s.PortablesPath = programDir.left(programDir.size() - (kPortableSuffix.size() - 1));
    } else {
        window_.platform.messages->showMessage(i18n::text::kWrongProgramFolder);
    }
}

bool Startup::PrepareWorkDirectories() {
    AppState& s = window_.state;
    auto make = [this](const QString& dir) {
        if (QDir(dir).exists() || QDir().mkpath(dir))
            return true;
        window_.platform.messages->showMessage(i18n::text::kCannotCreateFolder + dir,
                                               platform::kAppTitle, platform::MsgIcon::Critical);
        return false;
    };
    s.Nimbrisco_Work_Dir = s.PortablesPath + QStringLiteral("/Data");
    if (!make(s.Nimbrisco_Work_Dir))
        return false;
    s.Nimbrisco_Work_Dir =
        s.PortablesPath + QStringLiteral("/Data") + QStringLiteral("/Nimbrisco7_Work");
    if (!make(s.Nimbrisco_Work_Dir))
        return false;
    s.Nimbrisco_PHP_Dir = s.Nimbrisco_Work_Dir + QStringLiteral("/Nimbrisco_PHP");
    s.Nimbrisco_Slide_Dir = s.Nimbrisco_Work_Dir + QStringLiteral("/Nimbrisco_SlideShow");
    if (!make(s.Nimbrisco_Slide_Dir) || !make(s.Nimbrisco_PHP_Dir))
        return false;
    s.Nimbrisco_Collections_Dir = s.Nimbrisco_Work_Dir + QStringLiteral("/Nimbrisco_Collections");
    if (!make(s.Nimbrisco_Collections_Dir))
        return false;
    QDir::setCurrent(s.Nimbrisco_Collections_Dir);
    return true;
}

void Startup::HideHelpCaller() {
    const int offScreen = window_.platform.screenWidthTwips() + 100;
    platform::twips::move(window_.parts.bar.HelpCaller, window_.platform.units(), offScreen,
                          offScreen);
}

void Startup::ApplyFirstRunDefaults() {
    AppState& s = window_.state;
    ConfigFiles& config = *window_.parts.configFiles;
    const QString listFile = s.WORK_PATH_FILE_LIST + ConfigFiles::kPictureListFile;
    if (QFile::exists(listFile)) {
        QFile f(listFile);
        QString firstLine;
        if (f.open(QIODevice::ReadOnly))
            firstLine = QString::fromLatin1(f.readLine())
                            .remove(QLatin1Char('\r'))
                            .remove(QLatin1Char('\n'));
        f.close();
        if (firstLine.isEmpty()) {
            QFile::remove(listFile);
            QFile::remove(s.WORK_PATH_FILE_LIST + ConfigFiles::kConfigFile);
        }
    }
    config.LoadConfiguration(true);
    if (s.RUNNING_MODE == 2) {
        window_.parts.panel.SSTCfg_timeDwLoad->setText(QStringLiteral("15"));
        window_.parts.panel.SSTCfg_timeRefresh->setText(QStringLiteral("8"));
        window_.parts.panel.txtDisplay->setText(codes::kFullScreen);
        window_.parts.language->ShowDisplayModeName();
        config.SaveConfiguration();
        config.LoadConfiguration(true);
    }
    config.LoadConfiguration(true);
    s.versionText = QStringLiteral("ZEP-V1.0-2000-");
    config.LoadConfiguration(false);
}

void Startup::Splitta10() {
    const int overflows = splitAtDashes(commandLine_, window_.state.listSplit10.data(), 10);
    for (int i = 0; i < overflows; ++i)
        window_.platform.messages->showMessage(i18n::text::kTooManyFields);
}

void Startup::Splitta5(const QString& ToSplit) {
    const int overflows = splitAtDashes(ToSplit, window_.state.listSplit5.data(), 5);
    for (int i = 0; i < overflows; ++i)
        window_.platform.messages->showMessage(i18n::text::kTooManyFields);
}

void Startup::layoutPanel() {
    // Computed in 32 bits: on screens wider than about 2180 pixels the twips no longer fit a
    // 16-bit value.
    namespace tw = platform::twips;
    const platform::Units u = window_.platform.units();
    PanelControls& p = window_.parts.panel;
    const int sw = window_.platform.screenWidthTwips();
    const int sh = window_.platform.screenHeightTwips();
    const int panelWidth = tw::width(p.SSTCfg, u);
    const int panelHeight = tw::height(p.SSTCfg, u);
    const int versionWidth = tw::width(p.lVersion, u);
    const int versionHeight = tw::height(p.lVersion, u);
    // On screens narrower than about 1230 pixels (or lower than about 660) the panel's place
    // left of the centre would start outside the screen: it then stands at the edge.
    const int panelLeft = qMax(0, sw / 2 - (panelWidth + 100));
    tw::setLeft(p.SSTCfg, u, panelLeft);
    tw::setLeft(p.FrameWizard, u, panelLeft);
    const int panelTop = qMax(versionHeight + versionHeight / 2, sh / 3 - panelHeight / 2);
    tw::setTop(p.SSTCfg, u, panelTop);
    tw::setLeft(p.lVersion, u, panelLeft + (panelWidth / 2 - versionWidth / 2));
    tw::setTop(p.lVersion, u, panelTop - versionHeight - versionHeight / 2);
    tw::setGeometry(p.BrowserImgPreview, u, panelLeft + 100 + panelWidth, panelTop, panelWidth,
                    panelHeight);
    tw::setWidth(p.DescPreview, u, tw::width(p.BrowserImgPreview, u));
    tw::setHeight(p.DescPreview, u, tw::height(p.FrameWizard, u));
    tw::setTop(p.FrameDescPreview, u, tw::top(p.FrameWizard, u));
    tw::setLeft(p.FrameDescPreview, u, tw::left(p.BrowserImgPreview, u));
}

void Startup::layoutStatusLabels() {
    namespace tw = platform::twips;
    const platform::Units u = window_.platform.units();
    BarControls& b = window_.parts.bar;
    const int sw = window_.platform.screenWidthTwips();
    tw::setLeft(b.lCountDown, u, 0);
    tw::setWidth(b.lCountDown, u, sw);
    tw::setTop(b.lCountDown, u,
               window_.platform.screenHeightTwips() - tw::height(b.whoWeAre, u) -
                   tw::height(b.lCountDown, u));
    b.lCountDown->setFont(b.whoWeAre->font());
    tw::setGeometry(b.lGeneric, u, tw::left(b.lCountDown, u), tw::top(b.lCountDown, u), sw,
                    tw::height(b.lCountDown, u));
    b.lGeneric->setFont(b.whoWeAre->font());
    tw::setWidth(b.lblMsgUser, u, sw);
}
