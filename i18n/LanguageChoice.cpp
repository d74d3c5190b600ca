#include "i18n/LanguageChoice.h"

#include "base/AppState.h"
#include "i18n/Language.h"
#include "i18n/LanguageFile.h"
#include "platform/Platform.h"
#include "platform/ScreenPlacement.h"
#include "platform/TwipsGeometry.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr Integer kNoLanguage = 999;
// The frame stands this far above and to the left of the panel's corner.
constexpr int kFrameOffsetTwips = 250;
constexpr int kWaitStepMs = 200;

} // namespace

LanguageChoice::LanguageChoice(QWidget* window, QWidget* anchor, AppState& state,
                               platform::Platform& platform, Language& language, LanguageFile& file)
    : window_(window), anchor_(anchor), state_(state), platform_(platform), language_(language),
      file_(file), frame_(createLanguageFrame(window)) {}

void LanguageChoice::StartupLanguage() {
    // A file without a number is no choice at all: ask as on a first start.
    if (!file_.ReadLanguageFile()) {
        ChooseLanguage();
        file_.ReadLanguageFile();
    }
    language_.ApplyLanguage();
    state_.helpFile = state_.appPath + QStringLiteral("/Nimbrisco.html");
}

void LanguageChoice::ChooseLanguage() {
    QGroupBox* frame = frame_.Frame_Select_Language;
    const platform::Units u = platform_.units();
    platform::twips::move(frame, u, platform::twips::left(anchor_, u) - kFrameOffsetTwips,
                          platform::twips::top(anchor_, u) - kFrameOffsetTwips);
    platform::keepOnScreen(frame, platform_.screen->sizePixels());
    frame->raise();
    frame->show();
    window_->show();
    // The frame's options set Lingua. Closing the window ends the wait without a choice.
    platform::waitUntil(
        *platform_.clock, *platform_.ending,
        [this] { return state_.Lingua != kNoLanguage || state_.ExitToProgram != 0; }, -1,
        kWaitStepMs);
    frame->hide();
    if (state_.Lingua != kNoLanguage)
        file_.WriteLanguageFile();
}

void LanguageChoice::SwitchLanguage() {
    if (switching_)
        return;
    switching_ = true;
    // With the hidden option selected no visible option shows as chosen, so even the language
    // already in force takes a click, and that click ends the wait.
    frame_.Default_Language->setChecked(true);
    state_.Lingua = kNoLanguage;
    ChooseLanguage();
    file_.ReadLanguageFile();
    language_.ApplyLanguage();
    StartupLanguage();
    switching_ = false;
}

void LanguageChoice::English_01_Click() {
    state_.Lingua = 1;
}
void LanguageChoice::Italian_02_Click() {
    state_.Lingua = 2;
}
void LanguageChoice::French_03_Click() {
    state_.Lingua = 3;
}
void LanguageChoice::Spanish_04_Click() {
    state_.Lingua = 4;
}
