#include "catalogue/PictureFetcher.h"

#include "anigif/ucAniGIF.h"
#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/EntryAddress.h"
#include "base/NumericText.h"
#include "base/Timers.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/SilentWebPage.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "platform/Trace.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureView.h"
#include "slideshow/ViewControls.h"
#include "storage/ConfigFiles.h"
#include "storage/TownSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QWebEngineView>
#include <cmath>

namespace {

constexpr int kSlotLast = SlotList<Picture>::kLast;
constexpr int kEntryCount = SlotList<QString>::kClearCount;
// Where the update notice stands, in twips.
constexpr int kNoticeLeft = 3000;
constexpr int kNoticeTop = 2000;
constexpr int kFolderPictures = 9;
// The pauses of a pass, in steps of kWaitStepMs so that the window stays responsive.
constexpr int kWaitStepMs = 10;
constexpr int kPassStartSteps = 200; // 2 s before the first entry
constexpr int kEntrySteps = 100;     // 1 s before each entry
constexpr int kNoticeMs = 3000;
constexpr int kAfterNoticeMs = 100;

// The slide seconds of the timers page in milliseconds, kept within 32 bits.
Long slideMilliseconds(const QString& secondsText) {
    double seconds = 0;
    if (!parseNumber(secondsText, seconds))
        return 0;
    const double ms = std::nearbyint(seconds * 1000.0);
    return static_cast<Long>(qBound(0.0, ms, 2147483647.0));
}

// How many store slots an entry takes: a series one per picture, every other kind one.
int slotSpan(const QString& entry) {
    catalogue::ImageSeries series;
    int steps = 0;
    if (entry.startsWith(codes::source::kSeries) &&
        catalogue::parseImageSeries(entry, series, steps))
        return static_cast<int>(qBound(0LL, series.count, 1LL + kSlotLast));
    return 1;
}

} // namespace

PictureFetcher::PictureFetcher(AppState& state, platform::Platform& platform, Timers& timers,
                               ViewControls& views, ControlBar& controlBar,
                               Presentation& presentation, ConfigFiles& configFiles,
                               TownSettings& townSettings, PictureLoader& pictureLoader,
                               platform::HttpControl& Inet1, FetchPanel panel)
    : state_(state), platform_(platform), timers_(timers), views_(views), controlBar_(controlBar),
      presentation_(presentation), configFiles_(configFiles), townSettings_(townSettings),
      pictureLoader_(pictureLoader), Inet1_(Inet1), panel_(std::move(panel)) {}

void PictureFetcher::webvis_DocumentComplete(bool ok) {
    pageCompleted_ = true;
    if (state_.Http2BmpRunning != kFalse) {
        state_.WebPageToImgEnd = kTrue;
        pageFailed_ = !ok;
    }
}

bool PictureFetcher::FetchPass(Integer type) {
    AppState& s = state_;
    QStringList entries;
    bool changed = false;
    if (type != 1) {
        if (!buildEntries(type, entries, changed)) {
            noSelection();
            return false;
        }
        s.slideIntervalMs = slideMilliseconds(panel_.SSTCfg_timeRefresh->text());
        if (s.slideIntervalMs > 0)
            timers_.imgClock.setInterval(s.slideIntervalMs);
        s.listImageSELECTED.clear();
        for (int i = 0; i < entries.size() && i < kEntryCount; ++i)
            s.listImageSELECTED[i] = entries[i];
        // The selection was just recorded with one credit id per entry, in the same order.
        s.listIdCopyrightSELECTED = s.listIdCopyright;
        if (s.flagDownloadRunning == 1) {
            s.pictureCount = 0;
            s.pictureTotal = saturatedInteger(s.listImageSELECTED.countUntilEmpty());
        }
    }
    for (int i = 0; i < kPassStartSteps; ++i)
        platform_.clock->sleepAndYield(kWaitStepMs);

    Integer slot = fetchEntries(changed);
    // Between passes nothing needs the browser engine: its render process goes until the next
    // page, so that the program then costs what a picture viewer costs.
    releaseBrowserEngine();
    // A pass cut short by the end of the run stops here; the pictures on disk stay as they were.
    if (platform_.endingRequested())
        return false;
    s.flagFetchFromStep = 0;
    announceUpdate();

    BarControls& bar = controlBar_.controls();
    controlBar_.BarButtonsBusy();
    s.aniGifNumber = 1;
    configFiles_.StampLastUpdate();
    views_.Miniatura->hide();
    views_.DownloadPreview->hide();
    platform_.clock->sleepAndYield(kAfterNoticeMs);

    appendOwnPictures(slot);
    s.GLOBAL_IMAGE_CURRENT_POINTER = 0;

    if (type == 0) {
        panel_.hidePanel();
        s.catalogueLoaded = 1;
    }
    bar.whoWeAre->setEnabled(true);
    bar.btSetup->setEnabled(true);
    bar.btWait->setEnabled(true);
    platform::trace(QStringLiteral("fetch pass ended: %1 pictures").arg(s.pictureCount));
    return true;
}

bool PictureFetcher::buildEntries(Integer type, QStringList& entries, bool& changed) {
    AppState& s = state_;
    if (type == 2) {
        changed = true;
        for (int i = 0; i < kEntryCount && !s.listURL[i].isEmpty(); ++i) {
            entries.append(s.listURL[i]);
            s.listOLDImageSELECTED[i] = s.listURL[i];
        }
        return true;
    }
    const QListWidget* list = panel_.Tabella_Mappe_Selezionate;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            entries.append(s.listURL[i]);
    }
    for (int i = 0; i < list->count() && i < kEntryCount; ++i) {
        if (entries.value(i) != s.listOLDImageSELECTED[i]) {
            changed = true;
            for (int k = 0; k < kEntryCount; ++k)
                s.listOLDImageSELECTED[k] = entries.value(k);
            break;
        }
    }
    return !entries.isEmpty();
}

void PictureFetcher::noSelection() {
    AppState& s = state_;
    if (const auto text = i18n::fourLanguage(i18n::kMsgNoSelection, s.Lingua))
        platform_.messages->showMessage(*text);
    s.flagFetchFromStep = 0;
    s.flagDownloadRunning = 0;
    s.flagReplyArrived = kTrue;
    controlBar_.controls().whoWeAre->setEnabled(true);
    controlBar_.controls().btSetup->setEnabled(true);
    controlBar_.controls().btWait->setEnabled(true);
    panel_.OpenConfigPanel();
}

Integer PictureFetcher::fetchEntries(bool changed) {
    AppState& s = state_;
    const bool fetch = changed || s.flagFetchFromStep == 1;
    // Entries and slots are counted apart: a series takes one slot per picture, and the
    // entries after it are still fetched.
    Integer slot = 0;
    for (int entry = 0; entry < kEntryCount && !s.listImageSELECTED[entry].isEmpty(); ++entry) {
        if (slot > kSlotLast || platform_.endingRequested())
            break;
        const Integer first = slot;
        if (fetch) {
            for (int i = 0; i < kEntrySteps; ++i)
                platform_.clock->sleepAndYield(kWaitStepMs);
            s.tmpStrUrl = s.listImageSELECTED[entry].trimmed();
            fetchEntry(slot);
        } else {
            slot = saturatedInteger(slot + slotSpan(s.listImageSELECTED[entry].trimmed()) - 1);
        }
        for (int k = first; k <= qMin<int>(slot, kSlotLast); ++k)
            s.listIdCopyright[k] = s.listIdCopyrightSELECTED[entry];
        s.pictureCount = saturatedInteger(qMin(slot + 1, kSlotLast + 1));
        slot = s.pictureCount;
    }
    return slot;
}

void PictureFetcher::fetchEntry(Integer& slot) {
    AppState& s = state_;
    const QChar kind = s.tmpStrUrl.isEmpty() ? QChar() : s.tmpStrUrl[0];
    if (kind == codes::source::kPage) {
        preparePageEntry();
        fetchPage(slot, s.tmpStrUrl);
    } else if (kind == codes::source::kTownPage) {
        const QString entry = s.tmpStrUrl;
        preparePageEntry();
        std::array<QString, catalogue::kTownFields> fields;
        for (int i = 0; i < catalogue::kTownFields; ++i)
            fields[static_cast<std::size_t>(i)] =
                townSettings_.frame().PARAM[static_cast<std::size_t>(i)]->text();
        fetchPage(slot, catalogue::townPageAddress(entry, fields));
    } else if (kind == codes::source::kAnimated) {
        CloseBrowserWindows();
        s.tmpStrUrl = catalogue::restoredAddress(s.tmpStrUrl);
        s.listPictureKind[slot] = codes::picture::kAnimated;
        pictureLoader_.Load_JPG_GIF_PNG_On_Array(s.tmpStrUrl, slot);
    } else if (kind == codes::source::kScriptPage) {
        fetchScriptPage(slot);
    } else if (kind == codes::source::kSeries) {
        FetchImageSeries(slot);
    } else {
        pictureLoader_.Load_JPG_GIF_PNG_On_Array(s.tmpStrUrl, slot);
    }
}

void PictureFetcher::preparePageEntry() {
    AppState& s = state_;
    CloseBrowserWindows();
    platform::twips::setGeometry(views_.ucAniGIF1, platform_.units(), 100, 100, 0, 0);
    s.IsWebPage = kTrue;
    s.tmpStrUrl = catalogue::restoredAddress(s.tmpStrUrl);
}

void PictureFetcher::fetchPage(Integer slot, const QString& address) {
    AppState& s = state_;
    webPageUrl = address;
    s.Http2BmpRunning = kFalse;
    s.WebPageToImgEnd = kFalse;
    // Never the file an earlier page left behind.
    const Picture capture =
        RenderWebPage() ? pictureLoader_.loadPictureFile(capturePath()) : Picture();
    if (capture.isNull()) {
        pictureLoader_.keepPreviousOr(slot, address, codes::picture::kPage, views_.ErrLoadPicture);
        return;
    }
    s.listPicture[slot] = capture;
    s.listPicture[slot].address = address;
    s.listIMAGEnotLoaded[slot] = 0;
    views_.Miniatura->setPicture(capture);
    s.listPictureKind[slot] = codes::picture::kPage;
}

void PictureFetcher::fetchScriptPage(Integer slot) {
    AppState& s = state_;
    CloseBrowserWindows();
    s.tmpStrUrl = catalogue::restoredAddress(s.tmpStrUrl);
    pageCompleted_ = false;
    silentPage().load(QUrl(s.tmpStrUrl));
    if (!SaveFirstPageImage()) {
        platform_.messages->showMessage(
            i18n::text::kBadPhpNavigate + s.tmpStrUrl + QStringLiteral("\r\n") + lastError_,
            i18n::text::kNavigationError, platform::MsgIcon::Exclamation);
        pictureLoader_.keepPreviousOr(slot, s.tmpStrUrl, codes::picture::kScript,
                                      views_.ImageNonDisponibile);
    } else {
        s.listPictureKind[slot] = codes::picture::kScript;
        pictureLoader_.Load_JPG_GIF_PNG_On_Array(s.tmpStrUrl, slot);
    }
    views_.webvis->hide();
    clearBrowserView();
}

void PictureFetcher::FetchImageSeries(Integer& slot) {
    AppState& s = state_;
    if (!s.tmpStrUrl.startsWith(codes::source::kSeries))
        return;
    catalogue::ImageSeries series;
    int steps = 0;
    if (!catalogue::parseImageSeries(s.tmpStrUrl, series, steps)) {
        platform_.messages->showMessage(i18n::text::kMeteoNetworkError + QString::number(steps));
        return;
    }
    long long number = series.first;
    int current = slot;
    for (long long k = 1; k <= series.count && current <= kSlotLast && !platform_.endingRequested();
         ++k) {
        pictureLoader_.Load_JPG_GIF_PNG_On_Array(series.address(number),
                                                 static_cast<Integer>(current));
        controlBar_.controls().lCountDown->setText(QLatin1Char('*') +
                                                   controlBar_.controls().lCountDown->text());
        number += series.step;
        ++current;
    }
    slot = static_cast<Integer>(current - 1);
}

void PictureFetcher::announceUpdate() {
    QLabel* notice = views_.MessaggioAggiornate;
    notice->adjustSize();
    platform::twips::move(notice, platform_.units(), kNoticeLeft, kNoticeTop);
    notice->show();
    notice->raise();
    platform_.messages->beep();
    platform_.clock->yield();
    platform_.clock->sleepAndYield(kNoticeMs);
    platform_.messages->beep();
    notice->hide();
}

void PictureFetcher::appendOwnPictures(Integer& slot) {
    AppState& s = state_;
    if (!s.OwnPicturePath.isEmpty())
        appendPictureFile(s.OwnPicturePath, slot);
    if (s.Nimbrisco_Slide_Dir.isEmpty())
        return;
    int counted = 0;
    QDirIterator it(s.Nimbrisco_Slide_Dir, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String("jpg")) && !path.endsWith(QLatin1String("JPG")))
            continue;
        if (counted < kFolderPictures)
            appendPictureFile(path, slot);
        ++counted;
    }
}

void PictureFetcher::appendPictureFile(const QString& path, Integer& slot) {
    if (slot > kSlotLast)
        return;
    AppState& s = state_;
    const Picture picture = pictureLoader_.loadPictureFile(path);
    if (picture.isNull()) {
        pictureLoader_.storePlaceholder(slot, views_.ImageNonDisponibile);
    } else {
        s.listPicture[slot] = picture;
        s.listPictureKind[slot] = codes::picture::kFile;
        s.listIMAGEnotLoaded[slot] = 0;
    }
    // The user's own pictures have no credit record.
    s.listIdCopyright[slot] = 0;
    ++slot;
    s.pictureCount = slot;
}
