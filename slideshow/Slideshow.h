#pragma once
// One slideshow step per tick of imgClock.

#include "base/VbTypes.h"

#include <QString>
#include <functional>

class FormPicture;

class Slideshow {
public:
    static inline const QString kMissingPictureNotice =
        QStringLiteral("IMAGE MISSING - PLEASE OPEN A TICKET ON OUR WEBSITE");
    // Step interval of a picture whose credit asks to be passed over almost at once.
    static constexpr int kQuickIntervalMs = 100;

    explicit Slideshow(FormPicture& form);

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

    FormPicture& form_;
};
