#pragma once
// Collections: a backup of the picture selection as a collection file, and its restore, which
// adds the entries a chosen collection file names to the selection.

#include <QString>

struct AppState;
class ConfigFiles;
class ConfigPanel;
class PictureSelectionPage;
class QLabel;
class QListWidget;
class QTabWidget;
class QWidget;
namespace platform {
struct Platform;
}

// The panel's controls the collections work on.
struct CollectionControls {
    QTabWidget* SSTCfg = nullptr;
    QWidget* pageRunExit = nullptr;
    QListWidget* Tabella_Mappe_Selezionate = nullptr;
    QLabel* Wait_Ico = nullptr;
};

class Collections {
public:
    Collections(const CollectionControls& controls, AppState& state, platform::Platform& platform,
                ConfigFiles& configFiles, ConfigPanel& configPanel,
                PictureSelectionPage& pictureSelection);

    // Saves the selection, then writes it as both collection files and says where.
    void SSTCfg_BackUpcnf_Click();
    // Beeps and restores a collection.
    void SSTCfg_Loadcnf_Click();
    void RestoreCollection();
    // The file the user picks in the file-open dialog; empty when the dialog was cancelled.
    QString ChooseFileToOpen(const QString& title, const QString& filterName,
                             const QString& initialFileName);

private:
    // Writes the ".dat" and ".xml" files of `stamp`; the path that failed, else an empty text.
    QString writeCollection(const QString& stamp);
    // The end of every restore that got a file choice: save, rebuild the list, show anew.
    void saveAndReloadList();

    CollectionControls controls_;
    AppState& state_;
    platform::Platform& platform_;
    ConfigFiles& configFiles_;
    ConfigPanel& configPanel_;
    PictureSelectionPage& pictureSelection_;
    // The save and the restore yield to the event loop, where another click could start one.
    bool busy_ = false;
};
