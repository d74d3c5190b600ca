#include "i18n/Language.h"

#include "base/AppState.h"
#include "base/Codes.h"
#include "base/FitText.h"
#include "base/Shape.h"
#include "i18n/CaptionTargets.h"
#include "i18n/TextTables.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace i18n;

namespace {

void setTextIfAny(QLabel* label, const FourLanguageRow& row, int lingua) {
    if (const auto text = fourLanguage(row, lingua))
        label->setText(*text);
}

} // namespace

Language::Language(AppState& state, platform::Platform& platform, const LanguageTargets& targets)
    : state_(state), platform_(platform), targets_(targets) {}

QWidget* Language::captionTarget(const QString& name) const {
    return targets_.captionRoot ? targets_.captionRoot->findChild<QWidget*>(name) : nullptr;
}

void Language::ApplyLanguage() {
    const int lingua = state_.Lingua;
    if (lingua >= 1 && lingua <= 4)
        ApplyCaptions();
    ApplyHelpTexts();
}

void Language::ApplyCaptions() {
    const int lingua = state_.Lingua;
    if (lingua < 1 || lingua > 4)
        return;

    // Each page is made current before its caption is set, so the Tools page ends current.
    QTabWidget* tabs = targets_.SSTCfg;
    for (int i = 0; i < kTabCount; ++i) {
        tabs->setCurrentWidget(targets_.pages[static_cast<std::size_t>(i)]);
        tabs->setTabText(tabs->currentIndex(), *fourLanguage(kTabCaptions[i], lingua));
    }

    for (int i = 0; i < kCaptionRowCount; ++i) {
        const CaptionRow& row = kCaptionRows[i];
        QWidget* control = captionTarget(QString::fromLatin1(row.control));
        if (!control)
            continue;
        const QString text = *fourLanguage(row.texts, lingua);
        if (row.property == TextProperty::ToolTip)
            control->setToolTip(text);
        else
            setCaption(control, text);
    }
}

void Language::ApplyHelpTexts() {
    const int lingua = state_.Lingua;
    const LanguageTargets& p = targets_;
    p.Label11->setText(twoLanguage(kLabel11, lingua));
    p.Pallino_Rosso_Timers->hide();
    setTextIfAny(p.Box_Help_Display_Timer, kBoxHelpDisplayTimer, lingua);
    p.Pallino_Rosso_Run_Exit->hide();
    p.Pallino_Rosso_Run_Exit->setFillColor(codes::colour::kRed);
    setTextIfAny(p.Box_Help_Run_Exit, kBoxHelpRunExit, lingua);
    p.Pallino_Rosso_Tools->hide();
    setTextIfAny(p.LeftTipText, kLeftTipText, lingua);
    // Their places are fixed, and some languages say more; the captions shrink as they are set.
    for (QLabel* label : {p.Label11, p.Box_Help_Display_Timer, p.Box_Help_Run_Exit, p.LeftTipText})
        shrinkFontToFit(label);
}

void Language::ShowDisplayModeName() {
    const LanguageTargets& p = targets_;
    p.txtDisplay->hide();
    const bool fullScreen = p.txtDisplay->text() == codes::kFullScreen;
    if (const auto name = fourLanguage(fullScreen ? kFullScreenName : kNormalName, state_.Lingua))
        p.txtDisplay2->setText(*name);
}

void Language::showTimerWarning(const FourLanguageRow& row) {
    const int lingua = state_.Lingua;
    const auto text = fourLanguage(row, lingua);
    if (!text)
        return;
    platform_.messages->showMessage(*text, *fourLanguage(kWarningTitle, lingua),
                                    platform::MsgIcon::Exclamation);
}

void Language::showUntitledMessage(const FourLanguageRow& row, const QStringList& lines) {
    if (const auto text = fourLanguage(row, state_.Lingua))
        platform_.messages->showMessage((QStringList{*text} + lines).join(QStringLiteral("\r\n")),
                                        platform::kAppTitle, platform::MsgIcon::None);
}

void Language::MsgInvalidDownloadTime() {
    showTimerWarning(kMsgInvalidDownloadTime);
}
void Language::MsgDownloadTimeTooSmall() {
    showTimerWarning(kMsgDownloadTimeTooSmall);
}
void Language::MsgInvalidSlideShowTime() {
    showTimerWarning(kMsgInvalidSlideShowTime);
}
void Language::MsgSlideShowTimeTooSmall() {
    showTimerWarning(kMsgSlideShowTimeTooSmall);
}
void Language::MsgConfigWriteError(const QStringList& files) {
    showUntitledMessage(kMsgConfigWriteError, files);
}
void Language::MsgProgramEnded() {
    showUntitledMessage(kMsgProgramEnded);
}

void Language::MsgOwnPictures(const QString& folderPath) {
    const int lingua = state_.Lingua;
    const QString text = twoLanguage(kMsgOwnPicturesLine1, lingua) + QStringLiteral("\r\n") +
                         twoLanguage(kMsgOwnPicturesLine2, lingua) + folderPath;
    platform_.messages->showMessage(text, platform::kAppTitle, platform::MsgIcon::None);
}
