#pragma once
// Applies the texts of the language in force to the panel and shows the localised messages.

#include <QString>

class FormPicture;

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
    void MsgConfigWriteError();
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

private:
    FormPicture& form_;
};
