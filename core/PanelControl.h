#pragma once
// The panel-control timer: turns the command state into actions, and the orderly end.

#include <QString>

class FormPicture;

class PanelControl {
public:
    // The maker's page about the program, opened when the program ends.
    static const QString kInfoPage;
    // panelTick restarts at 1 after this value.
    static constexpr int kPanelTickMax = 31999;

    explicit PanelControl(FormPicture& form) : form_(form) {}

    void panControl_Timer();
    void SSTCfg_ExitProgram_Click();
    void SSTCfg_ExitProgram2_Click() { SSTCfg_ExitProgram_Click(); }
    void btTermina_Click();
    void PanelButtonsIdle();
    void PanelButtonsBusy();

private:
    void openPanel();
    void endProgram();
    // Shows the start and quit buttons (`idle`) or their greyed twins.
    void setPanelButtons(bool idle);

    FormPicture& form_;
};
