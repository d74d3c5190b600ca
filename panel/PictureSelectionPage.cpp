#include "panel/PictureSelectionPage.h"

#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/NumericText.h"
#include "base/TimerHandlers.h"
#include "base/Timers.h"
#include "catalogue/CatalogueClient.h"
#include "catalogue/PictureFetcher.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "panel/ListRows.h"
#include "panel/PanelControls.h"
#include "platform/Platform.h"
#include "storage/ConfigFiles.h"
#include "storage/TextFile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QWebEngineView>
#include <algorithm>
#include <cmath>

namespace {

const QString kItemPrefix = QStringLiteral(" - ");
constexpr int kBeforeSaveMs = 200;

// A position line of the picture-list file as a 16-bit integer, rounded as the classic
// conversion rounds (halves to even); false for a line that is not such a number.
bool positionFrom(const QString& line, int& position) {
    double value = 0;
    if (!parseNumber(line, value))
        return false;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return false;
    position = static_cast<int>(rounded);
    return true;
}

} // namespace

PictureSelectionPage::PictureSelectionPage(
    PanelControls& controls, AppState& state, platform::Platform& platform, ControlBar& controlBar,
    Timers& timers, Language& language, ConfigFiles& configFiles, CatalogueClient& catalogueClient,
    PictureFetcher& pictureFetcher, std::function<void()> CheckVersion)
    : controls_(controls), state_(state), platform_(platform), controlBar_(controlBar),
      timers_(timers), language_(language), configFiles_(configFiles),
      catalogueClient_(catalogueClient), pictureFetcher_(pictureFetcher),
      CheckVersion_(std::move(CheckVersion)) {}

PictureSelectionPage::~PictureSelectionPage() = default;

void PictureSelectionPage::FillPictureList() {
    const AppState& s = state_;
    QListWidget* list = controls_.Tabella_Mappe_Selezionate;
    list->clear();
    QStringList items;
    for (int k = 0; k < kMaxEntries && !s.listURL[k].isEmpty(); ++k)
        items.append(kItemPrefix + s.listURLcomment[k]);
    list->addItems(items);
    controls_.FormWait->hide();

    // Pairs of lines: the position, then the catalogue id, which the list does not need.
    // Reading ends at an empty position line, at one that is not a number, or at the file's end.
    storage::LineReader reader(s.WORK_PATH_FILE_LIST + ConfigFiles::kPictureListFile);
    QList<int> rows;
    QString position, id;
    int p = 0;
    while (reader.readLine(position) && !position.isEmpty() && positionFrom(position, p)) {
        if (p >= 0 && p < list->count())
            rows.append(p);
        if (!reader.readLine(id))
            break;
    }
    std::sort(rows.begin(), rows.end());
    selectRows(list, rows);
}

void PictureSelectionPage::Tabella_Mappe_Selezionate_Click() {
    ShowPreviewArea();
    const int k = controls_.Tabella_Mappe_Selezionate->currentRow();
    if (k < 0 || k >= kMaxEntries)
        return;
    showEntryPreview(k);
}

void PictureSelectionPage::Tabella_Mappe_Selezionate_MouseDown() {
    state_.configDirty = 1;
}

void PictureSelectionPage::PreViewEnabled_Click() {
    HidePreviewArea();
}

void PictureSelectionPage::ClearSelection() {
    QListWidget* list = controls_.Tabella_Mappe_Selezionate;
    list->clearSelection();
    platform_.messages->showMessage(i18n::twoLanguage(i18n::kMsgListCleared, state_.Lingua),
                                    platform::kAppTitle, platform::MsgIcon::None);
}

QString PictureSelectionPage::ownPictureFolder() const {
    if (!state_.OwnPicturePath.isEmpty())
        return QFileInfo(state_.OwnPicturePath).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void PictureSelectionPage::SSTCfg_FileUser_Click() {
    AppState& s = state_;
    language_.MsgOwnPictures(s.Nimbrisco_Slide_Dir);
    const QString chosen = platform_.fileDialogs->getOpenFileName(
        i18n::text::kOwnPictureDialogTitle, ownPictureFolder(), QString());
    // A cancelled dialog changes nothing: the label, the running show and the saved file keep
    // the picture they had.
    if (chosen.isEmpty())
        return;
    s.OwnPicturePath = QFileInfo(chosen).absoluteFilePath();
    controls_.SSTCfg_LblinserisciImg->setText(s.OwnPicturePath);
    s.configDirty = 1;
}

void PictureSelectionPage::SSTCfg_resetUserImg_Click() {
    state_.configDirty = 1;
    controls_.SSTCfg_LblinserisciImg->clear();
    state_.OwnPicturePath.clear();
}

void PictureSelectionPage::hidePanel() {
    PanelControls& c = controls_;
    for (QWidget* w :
         {static_cast<QWidget*>(c.lVersion), static_cast<QWidget*>(c.SSTCfg),
          static_cast<QWidget*>(c.FrameWizard), static_cast<QWidget*>(c.BrowserImgPreview),
          static_cast<QWidget*>(c.FrameDescPreview), static_cast<QWidget*>(c.DescPreview)})
        w->hide();
    releasePreview();
}

void PictureSelectionPage::SSTCfg_cmdConferma_Click() {
    if (starting_)
        return;
    starting_ = true;
    const auto done = qScopeGuard([this] { starting_ = false; });
    startSlideShow();
}

void PictureSelectionPage::startSlideShow() {
    AppState& s = state_;
    PanelControls& c = controls_;
    HidePreviewArea();
    c.PreViewEnabled->setChecked(false);
    if (CheckVersion_)
        CheckVersion_();
    c.SSTCfg_ExitProgram->setEnabled(false);
    c.SSTCfg_ExitProgram_BW->show();
    c.SSTCfg_ExitProgram_BW->setEnabled(true);
    hidePanel();
    platform_.clock->sleepAndYield(kBeforeSaveMs);
    configFiles_.saveAll();
    s.flagDownloadRunning = 1;
    timers::enable(timers_.utilityTmr);

    BarControls& bar = controlBar_.controls();
    bar.lCountDown->setText(QString());
    bar.lCountDown->show();
    bar.lCountDown->raise();
    controlBar_.BarButtonsBusy();
    catalogueClient_.RequestUserMessage();
    if (pictureFetcher_.FetchPass(0)) {
        s.flagDownloadRunning = 0;
        s.flagCmdButton = codes::command::kRun;
        return;
    }
    bar.lCountDown->hide();
    controlBar_.BarButtonsIdle();
    s.flagDownloadRunning = 0;
}
