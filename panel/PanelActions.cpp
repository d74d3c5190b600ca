// The panel's page change, its navigation, the help button, the online help and the save icons.
#include "panel/ConfigPanel.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "i18n/TextTables.h"
#include "panel/DisplayTimersPage.h"
#include "panel/PanelControls.h"
#include "platform/Platform.h"
#include "platform/TwipsGeometry.h"
#include "shell/ShellActions.h"
#include "storage/ConfigFiles.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

namespace tw = platform::twips;

namespace {

constexpr int kSaveBarWidth = 2000;
constexpr int kSaveBarStep = 25;

} // namespace

void ConfigPanel::SSTCfg_Click() {
    PanelControls& c = controls_;
    for (QWidget* w :
         {c.SSTCfg_Loadcnf, c.SSTCfg_BackUpcnf, c.SSTCfg_Loadconf, c.SSTCfg_Backupconf}) {
        w->show();
        w->setEnabled(true);
    }
    parts_.displayTimers.SSTCfg_timeDwLoad_LostFocus();
    parts_.displayTimers.SSTCfg_timeRefresh_LostFocus();
    const bool dirty = state_.configDirty == 1;
    if (dirty)
        state_.ResetPictureKinds();
    c.SSTCfg_salvaConfig->setEnabled(dirty);
    c.SSTCfg_salvaConfig2->setEnabled(dirty);
}

void ConfigPanel::showPage(QWidget* page) {
    controls_.SSTCfg->setCurrentWidget(page);
}

void ConfigPanel::btHelp_Click() {
    AppState& s = state_;
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    s.WizardActive = kTrue;
    tw::setLeft(c.FrameWizard, u, tw::left(c.SSTCfg, u));
    placeHelpFrame();
    c.FrameWizard->raise();
    c.FrameWizard->show();
    c.WizardText->show();
    if (const auto text = i18n::fourLanguage(i18n::kHoverIntroduction, s.Lingua))
        c.WizardText->setText(*text);
    c.WizardText->raise();
    platform_.clock->yield();
    Apre_Setup();
}

void ConfigPanel::openHelpPage(const i18n::FourLanguageRow& pages) {
    // The shell's result is not looked at: a page that cannot be opened changes nothing.
    if (const auto page = i18n::fourLanguage(pages, state_.Lingua))
        parts_.shellActions.ShellOpen(state_.helpSite + *page);
}

void ConfigPanel::helpTime_Click() {
    parts_.displayTimers.restAllBoxes();
    openHelpPage(i18n::kHelpPagesDisplayTimers);
}

void ConfigPanel::helpImg_Click() {
    openHelpPage(i18n::kHelpPagesPictures);
}

void ConfigPanel::helpEsegui_Click() {
    openHelpPage(i18n::kHelpPagesRunExit);
}

void ConfigPanel::zepStatusBar_Click() {
    openHelpPage(i18n::kHelpPagesRunExit);
}

void ConfigPanel::SSTCfg_salvaConfig_Click() {
    parts_.configFiles.saveAll();
    AnimateSaveBar();
}

void ConfigPanel::SSTCfg_salvaConfig2_Click() {
    parts_.configFiles.saveAll();
}

void ConfigPanel::AnimateSaveBar() {
    PanelControls& c = controls_;
    const platform::Units u = platform_.units();
    tw::setWidth(c.BarSaveAllBG, u, kSaveBarWidth);
    c.BarSaveAllBG->show();
    tw::move(c.BarSaveAllFG, u, tw::left(c.BarSaveAllBG, u), tw::top(c.BarSaveAllBG, u));
    c.BarSaveAllFG->show();
    const int width = saturatedInteger(tw::width(c.BarSaveAllBG, u));
    for (int w = 1; w <= width; w += kSaveBarStep)
        tw::setWidth(c.BarSaveAllFG, u, w);
    c.BarSaveAllBG->hide();
    c.BarSaveAllFG->hide();
}

void ConfigPanel::updateAccessibleNames() {
    PanelControls& c = controls_;
    for (const auto& [icon, caption] : iconCaptions(c))
        icon->setAccessibleName(caption->text());
    c.PreViewEnabled->setAccessibleName(c.TextPictureSelection->text());
}
