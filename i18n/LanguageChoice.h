#pragma once
// The choice of the language: asked for with the language frame at the first start and by the
// panel's language icon, kept through the language file, and applied to the texts.

#include "i18n/LanguageFrame.h"

struct AppState;
class Language;
class LanguageFile;
class QWidget;
namespace platform {
struct Platform;
}

class LanguageChoice {
public:
    // `window` is shown while the frame asks; the frame stands at `anchor`'s top-left corner.
    LanguageChoice(QWidget* window, QWidget* anchor, AppState& state, platform::Platform& platform,
                   Language& language, LanguageFile& file);

    // Reads the language file (asking when it holds no choice) and applies the texts.
    void StartupLanguage();
    // Shows the frame and waits until an option is chosen (or the window closes); stores the
    // choice.
    void ChooseLanguage();
    // The switching sequence, run by the language icon and its caption label.
    void SwitchLanguage();
    void IcoSwapSST6_Click() { SwitchLanguage(); }
    void LabelLanguage_Click() { SwitchLanguage(); }
    void English_01_Click();
    void Italian_02_Click();
    void French_03_Click();
    void Spanish_04_Click();

    const LanguageFrame& frame() const { return frame_; }

private:
    QWidget* window_;
    QWidget* anchor_;
    AppState& state_;
    platform::Platform& platform_;
    Language& language_;
    LanguageFile& file_;
    LanguageFrame frame_;
    // The choice waits in the event loop, where another click on the icon could start a
    // second, nested choice.
    bool switching_ = false;
};
