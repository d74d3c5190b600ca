#include "slideshow/Slideshow.h"

#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/DownloadLimit.h"
#include "base/StatusText.h"
#include "base/TimerHandlers.h"
#include "base/Timers.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/Platform.h"
#include "slideshow/PictureView.h"
#include "slideshow/Presentation.h"
#include "slideshow/StepTrace.h"
#include "slideshow/ViewControls.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <exception>
#include <limits>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSelectionFound = QStringLiteral("1");
constexpr int kLongFactor = 4;
// Animated pictures of a pass are numbered 1..99.
constexpr int kAniGifFiles = 99;

} // namespace

Slideshow::Slideshow(QWidget* window, AppState& state, platform::Platform& platform, Timers& timers,
                     ViewControls& views, ControlBar& controlBar, Presentation& presentation,
                     ConfigFiles& configFiles, Language& language, StepLinks links)
    : window_(window), state_(state), platform_(platform), timers_(timers), views_(views),
      controlBar_(controlBar), presentation_(presentation), configFiles_(configFiles),
      language_(language), links_(std::move(links)) {}

void Slideshow::imgClock_Timer() {
    AppState& s = state_;
    if (s.flagCmdButton != codes::command::kRun)
        return;
    timers_.imgClock.stop();
    s.clockStatus = 1;
    // A step cut short by the end of the run is over all the same: its marks must not hold
    // the end back.
    const auto release = qScopeGuard([this, &s] {
        if (platform_.endingRequested()) {
            s.clockStatus = 0;
            s.flagDownloadRunning = 0;
        }
    });
    if (s.clockFromDebugSet == 1)
        timers_.imgClock.setInterval(s.timerClockSave);
    s.clockFromDebugSet = 0;

    const Integer current = s.GLOBAL_IMAGE_CURRENT_POINTER;
    const Integer currentId = s.listIdCopyright[current];
    s.statusLine1 =
        (currentId > 0 ? s.listCopyright[currentId - 1] : QString()) + s.Aggiornare + s.LastUpdate;
    s.statusLine2 = QStringLiteral("- - - ");
    ShowStatusText(s, controlBar_.controls().whoWeAre);
    controlBar_.controls().BtAnimation->hide();

    if (s.catalogueLoaded == 0 && !firstLoad())
        return;
    if (!downloadIfDue() || platform_.endingRequested())
        return;
    if (s.pictureCount <= 0) {
        askForPanel();
        return;
    }
    if (s.GLOBAL_IMAGE_CURRENT_POINTER >= s.pictureCount || s.GLOBAL_IMAGE_CURRENT_POINTER < 0)
        s.GLOBAL_IMAGE_CURRENT_POINTER = 0;
    const Integer p = s.GLOBAL_IMAGE_CURRENT_POINTER;

    showPicture(p);
    showCredit(p);
    showUserMessage(p);
    showMissingNotice(p);
    steptrace::pictureShown(s, p);
    s.GLOBAL_IMAGE_CURRENT_POINTER = saturatedInteger(p + 1);

    if (s.catalogueStatus != kSelectionFound) {
        endWithoutSelection(i18n::text::kNoSelectionAtStep);
        return;
    }
    s.clockStatus = 0;
    // Decode the next picture now, while this one is on screen.
    const Integer next = p + 1 < s.pictureCount ? Integer(p + 1) : Integer(0);
    presentation_.prepare(s.listPicture[next], s.listPictureKind[next]);
}

bool Slideshow::firstLoad() {
    AppState& s = state_;
    showDownloadState(false);
    s.flagDownloadRunning = 1;
    timers::enable(timers_.utilityTmr);
    if (!runFetch([this] { links_.LoadCatalogue(0); }) || platform_.endingRequested())
        return false;
    s.flagDownloadRunning = 0;
    if (s.catalogueStatus != kSelectionFound) {
        endWithoutSelection(i18n::text::kNoSelectionAtLoad);
        return false;
    }
    return true;
}

bool Slideshow::downloadIfDue() {
    AppState& s = state_;
    const StepLinks& panel = links_;
    s.cntCounterDwLoadImage =
        downloadlimit::advance(s.cntCounterDwLoadImage, panel.SSTCfg_timeRefresh->text());
    if (!downloadlimit::passDue(s.cntCounterDwLoadImage, panel.SSTCfg_timeDwLoad->text()))
        return true;

    s.ResetPictureKinds();
    if (!ResetAniGifFiles())
        return false;
    s.aniGifNumber = 1;
    s.cntCounterDwLoadImage = 0;
    showDownloadState(true);
    s.flagDownloadRunning = 1;
    timers::enable(timers_.utilityTmr);
    s.flagFetchFromStep = 1;
    if (!runFetch([this] { links_.FetchPass(1); }) || platform_.endingRequested())
        return false;
    s.flagFetchFromStep = 0;
    s.flagDownloadRunning = 0;
    return true;
}

bool Slideshow::runFetch(const std::function<void()>& fetch) {
    try {
        fetch();
        return true;
    } catch (const std::exception& e) {
        qWarning("fetch pass: %s", e.what());
    } catch (...) {
        qWarning("fetch pass: unexpected error");
    }
    FetchPassFailed();
    return false;
}

void Slideshow::FetchPassFailed() {
    const QString& entry = state_.tmpStrUrl;
    platform::MessageBoxes& boxes = *platform_.messages;
    boxes.showMessage(i18n::text::kPictureErrorOnCode + kCrLf + QStringLiteral(" ____") + entry +
                      QStringLiteral("___"));
    boxes.showMessage(i18n::text::kOpenATicket + kCrLf + entry);
    boxes.showMessage(i18n::text::kExecuteCleanup);
    links_.endNow();
}

void Slideshow::showDownloadState(bool disableSetup) {
    BarControls& b = controlBar_.controls();
    if (disableSetup)
        b.btSetup->setEnabled(false);
    controlBar_.BarButtonsBusy();
    b.lCountDown->setText(QString());
    b.lCountDown->setVisible(true);
}

void Slideshow::askForPanel() {
    AppState& s = state_;
    s.flagCmdButton = codes::command::kOpenPanel;
    controlBar_.controls().whoWeAre->setEnabled(false);
    controlBar_.controls().btSetup->setEnabled(false);
    s.fullScreenFlag = 1;
    links_.txtDisplay->setText(codes::kFullScreen);
    language_.ShowDisplayModeName();
    s.clockStatus = 0;
}

void Slideshow::showPicture(Integer p) {
    AppState& s = state_;
    controlBar_.controls().lblMsgUser->hide();
    // The animated pictures of a cycle are numbered from its first slot on; the number must be
    // back at 1 before slot 0 is shown, or an animated picture there would take the number the
    // last cycle ended with.
    if (p == 0)
        s.aniGifNumber = 1;
    presentation_.ShowPicture(s.listPicture[p]);
    if (links_.showPictureAddress)
        links_.showPictureAddress(p);
}

void Slideshow::showCredit(Integer p) {
    AppState& s = state_;
    const Integer id = s.listIdCopyright[p];
    if (id <= 0) {
        s.statusLine1 = s.weAre;
        s.statusLine2 = QStringLiteral(". . . ");
        ShowStatusText(s, controlBar_.controls().whoWeAre);
        setStepInterval(s.slideIntervalMs);
        return;
    }
    s.creditRecord = s.listCopyright[id - 1];
    links_.Splitta5(s.creditRecord);
    s.statusLine1 = s.listSplit5[1] + s.Aggiornare + s.LastUpdate;
    s.statusLine2 = s.listSplit5[3];
    ShowStatusText(s, controlBar_.controls().whoWeAre);

    const QString& code = s.listSplit5[2];
    ClickLabel* animation = controlBar_.controls().BtAnimation;
    if (code == codes::display::kUnchanged)
        return;
    if (code == codes::display::kQuick) {
        setStepInterval(kQuickIntervalMs);
        animation->show();
    } else if (code == codes::display::kLong) {
        setStepInterval(Long(qMin<qint64>(qint64(s.slideIntervalMs) * kLongFactor,
                                          std::numeric_limits<Long>::max())));
        animation->show();
        animation->raise();
    } else {
        setStepInterval(s.slideIntervalMs);
        animation->hide();
    }
}

void Slideshow::setStepInterval(Long ms) {
    timers_.imgClock.setInterval(qMax<Long>(0, ms));
}

void Slideshow::showUserMessage(Integer p) {
    const AppState& s = state_;
    QLabel* label = controlBar_.controls().lblMsgUser;
    if (p != s.pictureCount - 1)
        return;
    if (s.userMessage.isEmpty()) {
        label->hide();
        return;
    }
    label->setText(s.userMessage);
    label->adjustSize();
    label->move(window_->width() / 2 - label->width() / 2,
                window_->height() / 2 - label->height() / 2);
    label->show();
    label->raise();
}

void Slideshow::showMissingNotice(Integer p) {
    QLabel* notice = controlBar_.controls().lCountDown;
    if (state_.listIMAGEnotLoaded[p] == -1) {
        notice->setText(i18n::text::kImageMissing);
        notice->setVisible(true);
    } else {
        notice->setVisible(false);
    }
}

void Slideshow::endWithoutSelection(const QString& code) {
    AppState& s = state_;
    platform_.messages->showMessage(code, i18n::text::kNoSelectionTitle,
                                    platform::MsgIcon::Information);
    views_.fotoBrowser->clearPicture();
    configFiles_.DeleteConfigurationFiles();
    // The orderly end must not write the files back: the next start is to be a first run.
    s.FlagRestart = kTrue;
    s.flagCmdButton = codes::command::kEnd;
    s.clockStatus = 0;
}

bool Slideshow::ResetAniGifFiles() {
    const AppState& s = state_;
    const QString placeholder = s.appPath + QStringLiteral("/pic_not_available.gif");
    for (int i = 1; i <= kAniGifFiles; ++i) {
        const QString name =
            s.imageFilePrefix + s.aniGifTag + QString::number(i) + QStringLiteral(".gif");
        if (!QFile::exists(name))
            continue;
        if (!QFile::remove(name) || !QFile::copy(placeholder, name)) {
            platform_.messages->showMessage(i18n::text::kPlaceholderMissing.arg(placeholder));
            links_.endNow();
            return false;
        }
    }
    return true;
}
