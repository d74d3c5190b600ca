#pragma once
// The panel-control timer: turns the command state into actions, and the orderly end.

class FormPicture;

class PanelControl {
public:
    explicit PanelControl(FormPicture& form);

    void panControl_Timer();
    void SSTCfg_ExitProgram_Click();
    void btTermina_Click();
    void PanelButtonsIdle();
    void PanelButtonsBusy();

private:
    FormPicture& form_;
};
