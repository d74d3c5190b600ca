#pragma once
// The bar's layout, its hiding and showing, its buttons, and keeping the window on top.

#include "bar/BarControls.h"
#include "base/VbTypes.h"

#include <QString>
#include <array>
#include <functional>

struct AppState;
class QLineEdit;
class QWidget;
namespace platform {
struct Platform;
}

class ControlBar {
public:
    // SetAlwaysOnTop keeps `window` in front. The indicator's click reads the download minutes
    // from `downloadMinutes`; the setup button asks for the configuration panel through
    // `apreSetup`, the help button through `help` (the panel's help, which opens it too).
    ControlBar(BarControls& bar, QWidget* window, AppState& state, platform::Platform& platform,
               QLineEdit* downloadMinutes, std::function<void()> apreSetup,
               std::function<void()> help);

    BarControls& controls() { return bar_; }

    void Disegna_Barra2();
    void PotBar_Change();
    void SetAlwaysOnTop(bool onTop);
    void Nascondi_Barra();
    void Esponi_Barra();
    void btSetup_Click();
    void btHelp_Click();
    void ImageConnesso_Click();
    void btLogo_Click() {}
    void btLogoPRO_Click() {}
    void whoWeAre_Click() {}
    // The setup button's state in the bar: `BarButtonsBusy` while the program works (the wait
    // button instead of the setup button), `BarButtonsIdle` when it is ready for the user.
    // The help button follows the setup button.
    void BarButtonsBusy();
    void BarButtonsIdle();

    // Visibility of BackWhoWeAre, btSetup, btTermina, BtAnimation, btHelp, btLogo,
    // connectStatus, whoWeAre, btWait and lCountDown when the bar was last hidden.
    std::array<Boolean, 10> barSaved{};
    // The measured values of the last layout, for diagnostics.
    QString DebugBarra;

private:
    // The ten controls barSaved remembers, in its order.
    std::array<QWidget*, 10> barControls() const;

    QWidget* window_;
    AppState& state_;
    platform::Platform& platform_;
    QLineEdit* downloadMinutes_;
    std::function<void()> apreSetup_;
    std::function<void()> help_;
    BarControls& bar_;
};
