#pragma once
// One slideshow step per tick of imgClock.

#include "base/VbTypes.h"

#include <QString>
#include <functional>

struct AppState;
class ConfigFiles;
class ControlBar;
class Language;
class Presentation;
class QLineEdit;
class QWidget;
struct Timers;
struct ViewControls;
namespace platform {
struct Platform;
}

// What the slideshow step uses of the panel, and the procedures of the parts above it that it
// calls: the catalogue's and the start-up's.
struct StepLinks {
    QLineEdit* SSTCfg_timeDwLoad = nullptr;  // download minutes
    QLineEdit* SSTCfg_timeRefresh = nullptr; // slide seconds
    QLineEdit* txtDisplay = nullptr;         // the display-mode key
    // Splits a credit record into listSplit5 (the start-up's splitter).
    std::function<void(const QString&)> Splitta5;
    // Ends the program at once, without saving.
    std::function<void()> endNow;
    // The catalogue sequence (the first step's load of the saved selection).
    std::function<void(Integer mode)> LoadCatalogue;
    // One fetch pass over the selected entries.
    std::function<void(Integer type)> FetchPass;
    // Shows the diagnostics the address of the picture in slot `p`.
    std::function<void(Integer p)> showPictureAddress;
};

class Slideshow {
public:
    // Step interval of a picture whose credit asks to be passed over almost at once.
    static constexpr int kQuickIntervalMs = 100;

    // The user message is centred on `window`.
    Slideshow(QWidget* window, AppState& state, platform::Platform& platform, Timers& timers,
              ViewControls& views, ControlBar& controlBar, Presentation& presentation,
              ConfigFiles& configFiles, Language& language, StepLinks links);

    void imgClock_Timer();
    // Replaces the animated-picture files of the last pass by the placeholder; false (after
    // the message, with the program ending) when that fails.
    bool ResetAniGifFiles();
    // The three messages of a fetch pass that broke down, then the end without saving.
    void FetchPassFailed();

private:
    // Runs a catalogue load or a fetch pass; false when it broke down and the program ends.
    bool runFetch(const std::function<void()>& fetch);
    bool firstLoad();
    // False when the program ends.
    bool downloadIfDue();
    void showDownloadState(bool disableSetup);
    void askForPanel();
    void showPicture(Integer p);
    void showCredit(Integer p);
    void showUserMessage(Integer p);
    void showMissingNotice(Integer p);
    // The end after a step found no saved selection: `code` names where it was found.
    void endWithoutSelection(const QString& code);
    void setStepInterval(Long ms);

    QWidget* window_;
    AppState& state_;
    platform::Platform& platform_;
    Timers& timers_;
    ViewControls& views_;
    ControlBar& controlBar_;
    Presentation& presentation_;
    ConfigFiles& configFiles_;
    Language& language_;
    StepLinks links_;
};
