#pragma once
// The bar's layout, its hiding and showing, its buttons, and keeping the window on top.

#include "base/VbTypes.h"

#include <QString>
#include <array>

class QWidget;

class FormPicture;

class ControlBar {
public:
    explicit ControlBar(FormPicture& form);

    void Disegna_Barra2();
    void PotBar_Change();
    void SetAlwaysOnTop(bool onTop);
    void Nascondi_Barra();
    void Esponi_Barra();
    void btSetup_Click();
    void btHelp_Click();
    void ImageConnesso_Click();
    void Label12_Click();
    void btLogo_Click() {}
    void btLogoPRO_Click() {}
    void whoWeAre_Click() {}

    // Visibility of BackWhoWeAre, btSetup, btTermina, BtAnimation, btHelp, btLogo,
    // connectStatus, whoWeAre, btWait and lCountDown when the bar was last hidden.
    std::array<Boolean, 10> barSaved{};
    // The measured values of the last layout, for diagnostics.
    QString DebugBarra;

private:
    // The ten controls barSaved remembers, in its order.
    std::array<QWidget*, 10> barControls() const;

    FormPicture& form_;
};
