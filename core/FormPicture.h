#pragma once
// The main window. It owns the application state, every control, the five timers, the
// system services and one object per subsystem; the subsystems reach each other through it.

#include "bar/BarControls.h"
#include "base/AppState.h"
#include "i18n/LanguageFrame.h"
#include "panel/PanelControls.h"
#include "platform/Platform.h"
#include "slideshow/ViewControls.h"
#include "storage/ConnectionFrame.h"
#include "storage/TownFrame.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class Startup;
class ConfigFiles;
class ProxySettings;
class LanguageSettings;
class TownSettings;
class Language;
class Placeholders;
class Presentation;
class Slideshow;
class PictureLoader;
class CatalogueClient;
class PictureFetcher;
class ClockLoop;
class PanelControl;
class ControlBar;
class ShellActions;
namespace platform {
class HttpControl;
}

class FormPicture : public QWidget {
    Q_OBJECT
public:
    // `commandLine` is the program's arguments as one text, separated by single blanks.
    FormPicture(platform::Platform& platform, const QString& commandLine,
                QWidget* parent = nullptr);
    ~FormPicture() override;

    // The load handler: puts the state in its initial form and starts the general clock.
    void Form_Load();

    // Shows statusLine1 and statusLine2, each cut to 95 characters, in the bar label whoWeAre.
    void ShowStatusText();
    // Sets listPictureKind of slots 0..1999 to 0.
    void ResetPictureKinds();

    // Lays out the control bar (the start-up and the aspect-ratio scroll bar call it).
    void Disegna_Barra2();

    AppState state;

    // Controls.
    PanelControls panel;
    BarControls bar;
    LanguageFrame languageFrame;
    ConnectionFrame connectionFrame;
    TownFrame townFrame;
    ViewControls views;
    platform::HttpControl* Inet1 = nullptr;

    // Timers.
    QTimer generalClock;
    QTimer utilityTmr;
    QTimer panControl;
    QTimer imgClock;
    QTimer Timer4000;

    QString commandLine;
    QString helpFilePath; // the application help file

    platform::Platform& platform() { return platform_; }
    // True once the run is ending: waits, requests and passes stop at once.
    bool ending() const { return platform_.ending->requested(); }
    platform::Units units() const { return platform_.units(); }
    platform::MessageBoxes& messages() { return *platform_.messages; }
    platform::Clock& clock() { return *platform_.clock; }
    // Screen size in twips.
    int screenWidthTwips() const;
    int screenHeightTwips() const;

    Startup& startup() { return *startup_; }
    ConfigFiles& configFiles() { return *configFiles_; }
    ProxySettings& proxySettings() { return *proxySettings_; }
    LanguageSettings& languageSettings() { return *languageSettings_; }
    TownSettings& townSettings() { return *townSettings_; }
    Language& language() { return *language_; }
    Placeholders& placeholders() { return *placeholders_; }
    Presentation& presentation() { return *presentation_; }
    Slideshow& slideshow() { return *slideshow_; }
    PictureLoader& pictureLoader() { return *pictureLoader_; }
    CatalogueClient& catalogueClient() { return *catalogueClient_; }
    PictureFetcher& pictureFetcher() { return *pictureFetcher_; }
    ClockLoop& clockLoop() { return *clockLoop_; }
    PanelControl& panelControl() { return *panelControl_; }
    ControlBar& controlBar() { return *controlBar_; }
    ShellActions& shellActions() { return *shellActions_; }

protected:
    // A window closed from outside (the window manager, a logout) ends the program at once,
    // like the bar's exit button: the waits of a pass, a page render or a first-run question
    // must not outlive it, and nothing is saved.
    void closeEvent(QCloseEvent* event) override;

private:
    void setupControls();
    void setupTimers();
    void setupSubsystems();

    platform::Platform& platform_;
    std::unique_ptr<Startup> startup_;
    std::unique_ptr<ConfigFiles> configFiles_;
    std::unique_ptr<ProxySettings> proxySettings_;
    std::unique_ptr<LanguageSettings> languageSettings_;
    std::unique_ptr<TownSettings> townSettings_;
    std::unique_ptr<Language> language_;
    std::unique_ptr<Placeholders> placeholders_;
    std::unique_ptr<Presentation> presentation_;
    std::unique_ptr<Slideshow> slideshow_;
    std::unique_ptr<PictureLoader> pictureLoader_;
    std::unique_ptr<CatalogueClient> catalogueClient_;
    std::unique_ptr<PictureFetcher> pictureFetcher_;
    std::unique_ptr<ClockLoop> clockLoop_;
    std::unique_ptr<PanelControl> panelControl_;
    std::unique_ptr<ControlBar> controlBar_;
    std::unique_ptr<ShellActions> shellActions_;
};
