#include "core/PanelControl.h"

#include "core/ClickLabel.h"
#include "core/FormPicture.h"

PanelControl::PanelControl(FormPicture& form) : form_(form) {}
void PanelControl::panControl_Timer() {}
void PanelControl::SSTCfg_ExitProgram_Click() {}
void PanelControl::btTermina_Click() {}
void PanelControl::PanelButtonsIdle() {}
void PanelControl::PanelButtonsBusy() {
    form_.panel.SSTCfg_cmdConferma->setEnabled(false);
    form_.panel.SSTCfg_ExitProgram->setEnabled(false);
}
