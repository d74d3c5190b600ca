#pragma once
// The display settings and the picture selection in the work directory, their validation,
// and the clean-up that deletes the configuration files.

#include "base/VbTypes.h"

#include <QString>
#include <QStringList>
#include <functional>

struct AppState;
class ClickLabel;
class Language;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
namespace platform {
struct Platform;
}

// The panel's controls the display settings live in, and the bar line the refresh shows in.
struct SettingsControls {
    QLineEdit* SSTCfg_timeDwLoad = nullptr;   // download minutes
    QLineEdit* SSTCfg_timeRefresh = nullptr;  // slide seconds
    QLineEdit* txtDisplay = nullptr;          // the display-mode key
    QLabel* SSTCfg_LblinserisciImg = nullptr; // the own picture
    QListWidget* Tabella_Mappe_Selezionate = nullptr;
    // The save command's controls.
    ClickLabel* SSTCfg_salvaConfig = nullptr;
    ClickLabel* SSTCfg_salvaConfig2 = nullptr;
    ClickLabel* SSTCfg_cmdConferma = nullptr;
    ClickLabel* SSTCfg_ExitProgram = nullptr;
    QLabel* whoWeAre = nullptr;
    // The diagnostics' dump of the catalogue arrays, after every configuration read.
    std::function<void()> ArrayDump;
};

class ConfigFiles {
public:
    static inline const QString kConfigFile = QStringLiteral("Nimbrisco7_Config.dat");
    static inline const QString kPictureListFile = QStringLiteral("Nimbrisco7_Picture_List.dat");

    // A failed read or write stops `imgClock`: the slideshow cannot go on without settings.
    ConfigFiles(AppState& state, platform::Platform& platform, Language& language,
                const SettingsControls& controls, QTimer& imgClock)
        : state_(state), platform_(platform), language_(language), controls_(controls),
          imgClock_(imgClock) {}

    // Reads the configuration file into the controls and the state; `firstRead` is accepted
    // for the start-up's calls and changes nothing.
    bool LoadConfiguration(bool firstRead = true);
    void SaveConfiguration();
    void saveAll();
    void DeleteConfigurationFiles();
    void ConfirmCleanup();
    void Cleanup_Click();
    void Cleanup2_Click();
    // With `reset`: stamps LastUpdate, shows the status and empties listIdCopyright.
    // Without: appends `value` to listIdCopyright (values beyond slot 2000 are dropped).
    void RecordSelectedIndex(bool reset, Integer value = 0);
    Integer selectedIndexCount() const { return idCopyrightFill_; }
    // Stamps LastUpdate with the date and time of this refresh and shows it in the status.
    void StampLastUpdate();

private:
    QString filePath(const QString& name) const;
    bool loadFailed();
    // The selection file's lines; records the selection in listIdCopyright on the way.
    QStringList selectionLines();
    // Corrects the timer texts (with their messages) and returns the configuration file's lines.
    QStringList checkedConfigLines();

    AppState& state_;
    platform::Platform& platform_;
    Language& language_;
    SettingsControls controls_;
    QTimer& imgClock_;
    Integer idCopyrightFill_ = 0;
};
