#pragma once
// The Display Timers page: the box being edited is highlighted and the others rest, its icons
// move the focus into their box, and a key typed into an interval marks the configuration
// changed. The values stay text; the save checks them.

#include <QChar>

#include <initializer_list>

struct AppState;
struct PanelControls;
class TextBox;

class DisplayTimersPage {
public:
    DisplayTimersPage(PanelControls& controls, AppState& state)
        : controls_(controls), state_(state) {}

    void SSTCfg_timeDwLoad_Click();
    void SSTCfg_timeRefresh_Click();
    void SSTCfg_timeDwLoad_KeyPress(QChar character);
    void SSTCfg_timeRefresh_KeyPress(QChar character);
    void SSTCfg_timeDwLoad_LostFocus();
    void SSTCfg_timeRefresh_LostFocus();
    void SSTCfg_Download_Click();
    void SSTCfg_Aggiorna_Click();
    void txtDisplay_Change();
    void txtDisplay_Click();
    // All four boxes rest (before the page's help opens).
    void restAllBoxes();

private:
    void highlight(std::initializer_list<TextBox*> focus, std::initializer_list<TextBox*> resting);
    // One interval box edited, the other three resting.
    void editing(TextBox* box);

    PanelControls& controls_;
    AppState& state_;
};
