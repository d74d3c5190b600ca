#pragma once
// Applies the texts of the language in force to the panel and shows the localised messages.

#include "i18n/CaptionTargets.h"

#include <QString>
#include <QStringList>

class FormPicture;
namespace i18n {
struct FourLanguageRow;
}

class Language {
public:
    explicit Language(FormPicture& form);

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

    // The switching sequence, run by the language icon and its caption label.
    void SwitchLanguage();
    void IcoSwapSST6_Click() { SwitchLanguage(); }
    void LabelLanguage_Click() { SwitchLanguage(); }
    void English_01_Click();
    void Italian_02_Click();
    void French_03_Click();
    void Spanish_04_Click();

    // The control a caption-table row names; null for a name no control bears.
    QWidget* captionTarget(const QString& name) const { return captionTargets_.value(name); }

private:
    void connectEvents();
    void showTimerWarning(const i18n::FourLanguageRow& row);
    void showUntitledMessage(const i18n::FourLanguageRow& row, const QStringList& lines = {});

    FormPicture& form_;
    CaptionTargets captionTargets_;
    // The choice waits in the event loop, where another click on the icon could start a
    // second, nested choice.
    bool switching_ = false;
};
