#include "storage/ConfigFiles.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/NumericText.h"
#include "base/StatusText.h"
#include "i18n/Language.h"
#include "i18n/TextTables.h"
#include "platform/Platform.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTimer>
#include <cmath>

namespace {

const QString kDefaultDownloadMinutes = QStringLiteral("15");
const QString kDefaultSlideSeconds = QStringLiteral("8");
constexpr double kMinDownloadMinutes = 15;
constexpr double kMinSlideSeconds = 1;
const QString kRefreshStampFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Positions 0 to 3 with the catalogue ids 1 to 4, so a first run has something to show.
const QStringList kDefaultSelection = {
    QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"),
    QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("4")};

// Both files end with two empty lines; readers of the selection stop at the first one.
void appendTerminator(QStringList& lines) {
    lines << QString() << QString();
}

} // namespace

QString ConfigFiles::filePath(const QString& name) const {
    return state_.WORK_PATH_FILE_LIST + name;
}

bool ConfigFiles::LoadConfiguration(bool /*firstRead*/) {
    AppState& s = state_;
    const SettingsControls& p = controls_;
    s.RUNNING_MODE = 2;
    const QString path = filePath(kConfigFile);
    if (!QFile::exists(path))
        return loadFailed();
    storage::LineReader reader(path);
    if (!reader.isOpen())
        return loadFailed();
    s.RUNNING_MODE = 1;
    QString downloadText, slideText, mode, ownPicture;
    if (!reader.readLine(downloadText))
        return loadFailed();
    p.SSTCfg_timeDwLoad->setText(downloadText);
    if (!reader.readLine(slideText))
        return loadFailed();
    p.SSTCfg_timeRefresh->setText(slideText);
    if (!reader.readLine(mode) || !reader.readLine(ownPicture))
        return loadFailed();
    p.SSTCfg_LblinserisciImg->setText(ownPicture);
    s.OwnPicturePath = ownPicture;

    const bool fullScreen = mode == codes::kFullScreen;
    s.fullScreenFlag = fullScreen ? 1 : 0;
    p.txtDisplay->setText(fullScreen ? codes::kFullScreen : codes::kNormal);
    language_.ShowDisplayModeName();
    if (p.ArrayDump)
        p.ArrayDump();
    return true;
}

bool ConfigFiles::loadFailed() {
    imgClock_.stop();
    state_.RUNNING_MODE = 2;
    DeleteConfigurationFiles();
    return false;
}

void ConfigFiles::SaveConfiguration() {
    // The list box holds the catalogue only once the panel has loaded it. Until then the
    // selection in force is the one on disk: writing the empty list over it would leave the
    // next start nothing to show.
    const bool keepSelection = state_.RUNNING_MODE != 2 &&
                               controls_.Tabella_Mappe_Selezionate->count() == 0 &&
                               QFile::exists(filePath(kPictureListFile));
    QString failed;
    if (!keepSelection && !storage::writeLines(filePath(kPictureListFile), selectionLines()))
        failed = filePath(kPictureListFile);
    else if (!storage::writeLines(filePath(kConfigFile), checkedConfigLines()))
        failed = filePath(kConfigFile);
    if (!failed.isEmpty()) {
        imgClock_.stop();
        language_.MsgConfigWriteError({failed});
        DeleteConfigurationFiles();
    }
}

QStringList ConfigFiles::selectionLines() {
    AppState& s = state_;
    QStringList lines;
    if (s.RUNNING_MODE == 2) {
        lines = kDefaultSelection;
    } else {
        RecordSelectedIndex(true);
        const QListWidget* list = controls_.Tabella_Mappe_Selezionate;
        for (int i = 0; i < list->count(); ++i) {
            if (!list->item(i)->isSelected())
                continue;
            lines << QString::number(i) << QString::number(s.listIdEntry[i]);
            RecordSelectedIndex(false, saturatedInteger(i + 1));
        }
    }
    appendTerminator(lines);
    return lines;
}

QStringList ConfigFiles::checkedConfigLines() {
    const SettingsControls& p = controls_;
    Language& lang = language_;
    double value = 0;

    if (!parseNumber(p.SSTCfg_timeDwLoad->text(), value)) {
        p.SSTCfg_timeDwLoad->setText(kDefaultDownloadMinutes);
        lang.MsgInvalidDownloadTime();
        value = kMinDownloadMinutes;
    }
    if (value < kMinDownloadMinutes) {
        p.SSTCfg_timeDwLoad->setText(kDefaultDownloadMinutes);
        lang.MsgDownloadTimeTooSmall();
    }

    if (!parseNumber(p.SSTCfg_timeRefresh->text(), value)) {
        lang.MsgInvalidSlideShowTime();
        p.SSTCfg_timeRefresh->setText(kDefaultSlideSeconds);
        value = kMinSlideSeconds;
    }
    if (value < kMinSlideSeconds) {
        p.SSTCfg_timeRefresh->setText(kDefaultSlideSeconds);
        lang.MsgSlideShowTimeTooSmall();
    }

    QStringList lines = {p.SSTCfg_timeDwLoad->text(), p.SSTCfg_timeRefresh->text(),
                         p.txtDisplay->text() == codes::kFullScreen ? codes::kFullScreen
                                                                    : codes::kNormal};
    if (!p.SSTCfg_LblinserisciImg->text().isEmpty())
        lines << p.SSTCfg_LblinserisciImg->text();
    appendTerminator(lines);
    return lines;
}

void ConfigFiles::saveAll() {
    const SettingsControls& p = controls_;
    for (ClickLabel* control :
         {p.SSTCfg_salvaConfig, p.SSTCfg_salvaConfig2, p.SSTCfg_cmdConferma, p.SSTCfg_ExitProgram})
        control->setEnabled(false);
    SaveConfiguration();
    platform_.clock->sleepAndYield(500);
    // The save controls stay off until the panel's page handling turns them on again.
    p.SSTCfg_cmdConferma->setEnabled(true);
    p.SSTCfg_ExitProgram->setEnabled(true);
    state_.configDirty = 0;
}

void ConfigFiles::RecordSelectedIndex(bool reset, Integer value) {
    AppState& s = state_;
    if (!reset) {
        if (SlotList<Integer>::fits(idCopyrightFill_)) {
            s.listIdCopyright[idCopyrightFill_] = value;
            ++idCopyrightFill_;
        }
        return;
    }
    StampLastUpdate();
    idCopyrightFill_ = 0;
    s.listIdCopyright.clear(0);
}

void ConfigFiles::StampLastUpdate() {
    AppState& s = state_;
    // One form under every locale: some locales' short formats drop the seconds.
    s.LastUpdate = QStringLiteral(" - RFRS:") +
                   QLocale::c().toString(platform_.clock->now(), kRefreshStampFormat);
    s.statusLine1 = s.weAre + s.Aggiornare + s.LastUpdate;
    s.statusLine2 = QStringLiteral(". . . ");
    ShowStatusText(state_, controls_.whoWeAre);
}

void ConfigFiles::DeleteConfigurationFiles() {
    // The proxy backup and the town file survive, so their values are offered again.
    for (const QString& name : {kPictureListFile, kConfigFile, ProxySettings::kProxyFile,
                                LanguageSettings::kLanguageFile})
        storage::removeForced(filePath(name));
}

void ConfigFiles::ConfirmCleanup() {
    const int lingua = state_.Lingua;
    const auto question = i18n::fourLanguage(i18n::kCleanupQuestion, lingua);
    if (!question)
        return;
    const QString prompt =
        *question + QStringLiteral("\r\n\r\n") + *i18n::fourLanguage(i18n::kCleanupHeading, lingua);
    if (platform_.messages->askYesNo(prompt,
                                     *i18n::fourLanguage(i18n::kCleanupQuestionTitle, lingua))) {
        DeleteConfigurationFiles();
        state_.FlagRestart = kTrue;
    }
}

void ConfigFiles::Cleanup_Click() {
    ConfirmCleanup();
    const int lingua = state_.Lingua;
    const bool cleaned = state_.FlagRestart == kTrue;
    if (const auto text =
            i18n::fourLanguage(cleaned ? i18n::kCleanupDone : i18n::kCleanupNotDone, lingua)) {
        platform_.messages->showMessage(*text, *i18n::fourLanguage(i18n::kCleanupInfoTitle, lingua),
                                        platform::MsgIcon::Information);
    }
    if (cleaned)
        state_.flagCmdButton = codes::command::kEnd;
}

void ConfigFiles::Cleanup2_Click() {
    Cleanup_Click();
}
