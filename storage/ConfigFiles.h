#pragma once
// The display settings and the picture selection in the work directory, their validation,
// and the clean-up that deletes the configuration files.

#include "base/VbTypes.h"

#include <QString>
#include <QStringList>

class FormPicture;

class ConfigFiles {
public:
    static inline const QString kConfigFile = QStringLiteral("Nimbrisco7_Config.dat");
    static inline const QString kPictureListFile = QStringLiteral("Nimbrisco7_Picture_List.dat");

    explicit ConfigFiles(FormPicture& form) : form_(form) {}

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

    FormPicture& form_;
    Integer idCopyrightFill_ = 0;
};
