#pragma once
// Applies the texts of the language in force to the panel and shows the localised messages.

#include "i18n/LanguageTargets.h"

#include <QString>
#include <QStringList>

struct AppState;
namespace platform {
struct Platform;
}
namespace i18n {
struct FourLanguageRow;
}

class Language {
public:
    Language(AppState& state, platform::Platform& platform, const LanguageTargets& targets);

    void ApplyLanguage();
    void ApplyCaptions();
    void ApplyHelpTexts();
    void ShowDisplayModeName();

    void MsgInvalidDownloadTime();
    void MsgDownloadTimeTooSmall();
    void MsgInvalidSlideShowTime();
    void MsgSlideShowTimeTooSmall();
    // Names the settings files that could not be written, one per line below the text.
    void MsgConfigWriteError(const QStringList& files);
    void MsgProgramEnded();
    void MsgOwnPictures(const QString& folderPath);

    // The control a caption-table row names; null for a name no control bears.
    QWidget* captionTarget(const QString& name) const;

private:
    void showTimerWarning(const i18n::FourLanguageRow& row);
    void showUntitledMessage(const i18n::FourLanguageRow& row, const QStringList& lines = {});

    AppState& state_;
    platform::Platform& platform_;
    LanguageTargets targets_;
};
