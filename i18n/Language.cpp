#include "i18n/Language.h"

#include "base/ClickLabel.h"
#include "core/FormPicture.h"
#include "base/Shape.h"
#include "i18n/TextTables.h"
#include "storage/LanguageSettings.h"

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

Language::Language(FormPicture& form)
    : form_(form), captionTargets_(makeCaptionTargets(form.panel, form.bar)) {
    connectEvents();
}

void Language::connectEvents() {
    const LanguageFrame& f = form_.languageFrame;
    QObject::connect(f.English_01, &QRadioButton::clicked, [this] { English_01_Click(); });
    QObject::connect(f.Italian_02, &QRadioButton::clicked, [this] { Italian_02_Click(); });
    QObject::connect(f.French_03, &QRadioButton::clicked, [this] { French_03_Click(); });
    QObject::connect(f.Spanish_04, &QRadioButton::clicked, [this] { Spanish_04_Click(); });
    QObject::connect(form_.panel.IcoSwapSST6, &ClickLabel::clicked,
                     [this] { IcoSwapSST6_Click(); });
    QObject::connect(form_.panel.LabelLanguage, &ClickLabel::clicked,
                     [this] { LabelLanguage_Click(); });
}

void Language::ApplyLanguage() {
    const int lingua = form_.state.Lingua;
    if (lingua >= 1 && lingua <= 4)
        ApplyCaptions();
    ApplyHelpTexts();
}

void Language::ApplyCaptions() {
    const int lingua = form_.state.Lingua;
    if (lingua < 1 || lingua > 4)
        return;

    // Each page is made current before its caption is set, so the Tools page ends current.
    QTabWidget* tabs = form_.panel.SSTCfg;
    QWidget* const pages[kTabCount] = {form_.panel.pageDisplayTimers,
                                       form_.panel.pagePictureSelection, form_.panel.pageRunExit,
                                       form_.panel.pageTools};
    for (int i = 0; i < kTabCount; ++i) {
        tabs->setCurrentWidget(pages[i]);
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
    const int lingua = form_.state.Lingua;
    PanelControls& p = form_.panel;
    p.Label11->setText(twoLanguage(kLabel11, lingua));
    p.Pallino_Rosso_Timers->hide();
    setTextIfAny(p.Box_Help_Display_Timer, kBoxHelpDisplayTimer, lingua);
    p.Pallino_Rosso_Run_Exit->hide();
    p.Pallino_Rosso_Run_Exit->setFillColor(255);
    setTextIfAny(p.Box_Help_Run_Exit, kBoxHelpRunExit, lingua);
    p.Pallino_Rosso_Tools->hide();
    setTextIfAny(p.LeftTipText, kLeftTipText, lingua);
}

void Language::ShowDisplayModeName() {
    PanelControls& p = form_.panel;
    p.txtDisplay->hide();
    const bool fullScreen = p.txtDisplay->text() == QLatin1String("Full_Screen");
    if (const auto name =
            fourLanguage(fullScreen ? kFullScreenName : kNormalName, form_.state.Lingua))
        p.txtDisplay2->setText(*name);
}

void Language::showTimerWarning(const FourLanguageRow& row) {
    const int lingua = form_.state.Lingua;
    const auto text = fourLanguage(row, lingua);
    if (!text)
        return;
    form_.messages().showMessage(*text, *fourLanguage(kWarningTitle, lingua),
                                 platform::MsgIcon::Exclamation);
}

void Language::showUntitledMessage(const FourLanguageRow& row, const QStringList& lines) {
    if (const auto text = fourLanguage(row, form_.state.Lingua))
        form_.messages().showMessage((QStringList{*text} + lines).join(QStringLiteral("\r\n")),
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
    const int lingua = form_.state.Lingua;
    const QString text = twoLanguage(kMsgOwnPicturesLine1, lingua) + QStringLiteral("\r\n") +
                         twoLanguage(kMsgOwnPicturesLine2, lingua) + folderPath;
    form_.messages().showMessage(text, platform::kAppTitle, platform::MsgIcon::None);
}

void Language::SwitchLanguage() {
    if (switching_)
        return;
    switching_ = true;
    // With the hidden option selected no visible option shows as chosen, so even the language
    // already in force takes a click, and that click ends the wait.
    form_.languageFrame.Default_Language->setChecked(true);
    form_.state.Lingua = 999;
    LanguageSettings& settings = form_.languageSettings();
    settings.ChooseLanguage();
    settings.ReadLanguageFile();
    ApplyLanguage();
    settings.StartupLanguage();
    switching_ = false;
}

void Language::English_01_Click() {
    form_.state.Lingua = 1;
}
void Language::Italian_02_Click() {
    form_.state.Lingua = 2;
}
void Language::French_03_Click() {
    form_.state.Lingua = 3;
}
void Language::Spanish_04_Click() {
    form_.state.Lingua = 4;
}
