#include "core/PanelControl.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Shape.h"
#include "base/TimerHandlers.h"
#include "core/ProgramEnd.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "diagnostics/Diagnostics.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "panel/ConfigPanel.h"
#include "panel/PictureSelectionPage.h"
#include "platform/Platform.h"
#include "slideshow/PictureView.h"
#include "storage/ConfigFiles.h"
#include "storage/TownSettings.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>

const QString PanelControl::kInfoPage = QStringLiteral("info.html");

void PanelControl::panControl_Timer() {
    AppState& s = window_.state;
    s.panelTick = s.panelTick >= kPanelTickMax ? Integer(1) : Integer(s.panelTick + 1);
    window_.parts.diagnostics->showPanelTick();
    // A running step decides for itself; the command waits for its end.
    if (s.clockStatus != 0)
        return;
    switch (s.flagCmdButton) {
    case codes::command::kRun:
        keepScreenOn();
        timers::enable(window_.parts.timers.imgClock);
        break;
    case codes::command::kOpenPanel:
        openPanel();
        break;
    case codes::command::kEnd:
        endProgram();
        break;
    case codes::command::kPanelOpen:
        PanelButtonsIdle();
        break;
    default:
        break;
    }
}

void PanelControl::keepScreenOn() {
    // Asked once per slideshow run: where the desktop offers no hold, asking at every step would
    // cost a call each time for nothing.
    if (screenKeptOn_)
        return;
    screenKeptOn_ = true;
    window_.platform.screenSaver->hold();
}

void PanelControl::openPanel() {
    AppState& s = window_.state;
    PanelButtonsBusy();
    window_.parts.panel.SSTCfg_ExitProgram2->setVisible(true);
    s.cntCounterDwLoadImage = 0;
    // Loading the catalogue yields to the event loop: this timer must not tick meanwhile.
    window_.parts.timers.panControl.stop();
    // The panel waits for a person, who may leave it: the screen may blank meanwhile.
    window_.platform.screenSaver->release();
    screenKeptOn_ = false;
    window_.parts.townSettings->ReadTownFile();
    window_.parts.bar.timerflag->setFillColor(codes::colour::kRed);
    window_.parts.configPanel->OpenConfigPanel();
    window_.parts.timers.panControl.start();
    window_.parts.bar.timerflag->setFillColor(codes::colour::kGreen);
    s.flagCmdButton = codes::command::kPanelOpen;
}

void PanelControl::endProgram() {
    PanelControls& p = window_.parts.panel;
    window_.parts.views.fotoBrowser->clearPicture();
    window_.parts.pictureSelection->hidePanel();
    window_.parts.timers.panControl.stop();
    window_.parts.bar.timerflag->setFillColor(codes::colour::kRed);
    p.lVersion->hide();
    p.SSTCfg_cmdConferma->setEnabled(false);
    p.SSTCfg_ExitProgram->setEnabled(false);
    p.SSTCfg_ExitProgram_BW->show();
    p.SSTCfg_ExitProgram_BW->setEnabled(true);
    // After a clean-up the files stay deleted, so that the next start is a first run. A failed
    // save shows its own message and removes the files; the end goes on.
    if (window_.state.FlagRestart != kTrue)
        window_.parts.configFiles->SaveConfiguration();
    programend::closeWindow(window_);
    window_.parts.language->MsgProgramEnded();
    window_.platform.shell->openDocument(window_.state.helpSite + kInfoPage);
    programend::quitEventLoop();
}

void PanelControl::SSTCfg_ExitProgram_Click() {
    window_.state.flagCmdButton = codes::command::kEnd;
}

void PanelControl::btTermina_Click() {
    window_.parts.timers.generalClock.stop();
    programend::endNow(window_);
}

void PanelControl::PanelButtonsIdle() {
    setPanelButtons(true);
}

void PanelControl::PanelButtonsBusy() {
    setPanelButtons(false);
}

void PanelControl::setPanelButtons(bool idle) {
    PanelControls& p = window_.parts.panel;
    for (QWidget* w : {p.SSTCfg_ExitProgram, p.SSTCfg_cmdConferma}) {
        w->setVisible(idle);
        w->setEnabled(idle);
    }
    for (QWidget* w : {p.SSTCfg_ExitProgram_BW, p.SSTCfg_cmdConferma_BW}) {
        w->setVisible(!idle);
        w->setEnabled(!idle);
    }
    p.SSTCfg_ExitProgram2->setText(idle ? i18n::text::kExitProgr : i18n::text::kWaitCaption);
}
