#pragma once
// The panel-control timer: turns the command state into actions, and the orderly end.

#include <QString>

struct Window;

class PanelControl {
public:
    // The page about the program on the help site, opened when the program ends.
    static const QString kInfoPage;
    // panelTick restarts at 1 after this value.
    static constexpr int kPanelTickMax = 31999;

    explicit PanelControl(Window& window) : window_(window) {}

    void panControl_Timer();
    void SSTCfg_ExitProgram_Click();
    void SSTCfg_ExitProgram2_Click() { SSTCfg_ExitProgram_Click(); }
    void btTermina_Click();
    void PanelButtonsIdle();
    void PanelButtonsBusy();

private:
    // Holds the screen saver off while the slideshow runs.
    void keepScreenOn();
    void openPanel();
    void endProgram();
    // Shows the start and quit buttons (`idle`) or their greyed twins.
    void setPanelButtons(bool idle);

    Window& window_;
    bool screenKeptOn_ = false;
};
