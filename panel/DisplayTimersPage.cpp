#include "panel/DisplayTimersPage.h"

#include "base/AppState.h"
#include "base/Codes.h"
#include "panel/PanelControls.h"

void DisplayTimersPage::highlight(std::initializer_list<TextBox*> focus,
                                  std::initializer_list<TextBox*> resting) {
    for (TextBox* box : focus)
        box->setBackColor(codes::colour::kFocus);
    for (TextBox* box : resting)
        box->setBackColor(codes::colour::kResting);
}

void DisplayTimersPage::editing(TextBox* box) {
    const PanelControls& c = controls_;
    highlight({box}, {});
    for (TextBox* other :
         {c.SSTCfg_timeDwLoad, c.SSTCfg_timeRefresh, c.txtDisplay, c.txtDisplay2}) {
        if (other != box)
            highlight({}, {other});
    }
}

void DisplayTimersPage::SSTCfg_timeDwLoad_Click() {
    editing(controls_.SSTCfg_timeDwLoad);
}

void DisplayTimersPage::SSTCfg_timeRefresh_Click() {
    editing(controls_.SSTCfg_timeRefresh);
}

void DisplayTimersPage::SSTCfg_timeDwLoad_KeyPress(QChar) {
    state_.configDirty = 1;
    controls_.SSTCfg_timeDwLoad->setFocus();
}

void DisplayTimersPage::SSTCfg_timeRefresh_KeyPress(QChar) {
    state_.configDirty = 1;
}

void DisplayTimersPage::SSTCfg_timeDwLoad_LostFocus() {
    highlight({}, {controls_.SSTCfg_timeDwLoad});
}

void DisplayTimersPage::SSTCfg_timeRefresh_LostFocus() {
    highlight({}, {controls_.SSTCfg_timeRefresh});
}

void DisplayTimersPage::SSTCfg_Download_Click() {
    controls_.SSTCfg_timeDwLoad->setFocus();
    editing(controls_.SSTCfg_timeDwLoad);
}

void DisplayTimersPage::SSTCfg_Aggiorna_Click() {
    controls_.SSTCfg_timeRefresh->setFocus();
    editing(controls_.SSTCfg_timeRefresh);
}

void DisplayTimersPage::txtDisplay_Change() {
    const PanelControls& c = controls_;
    highlight({c.txtDisplay, c.txtDisplay2}, {c.SSTCfg_timeDwLoad, c.SSTCfg_timeRefresh});
}

void DisplayTimersPage::txtDisplay_Click() {
    txtDisplay_Change();
}

void DisplayTimersPage::restAllBoxes() {
    const PanelControls& c = controls_;
    highlight({}, {c.txtDisplay, c.txtDisplay2, c.SSTCfg_timeDwLoad, c.SSTCfg_timeRefresh});
}
