#include "bar/ControlBar.h"

#include "core/FormPicture.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>

ControlBar::ControlBar(FormPicture& form) : form_(form) {}
void ControlBar::Disegna_Barra2() {
    const platform::Units u = form_.units();
    const int height = 480;
    platform::twips::setGeometry(form_.bar.whoWeAre, u, 0, form_.screenHeightTwips() - height,
                                 form_.screenWidthTwips(), height);
    form_.ShowStatusText();
}
void ControlBar::PotBar_Change() {}
void ControlBar::SetAlwaysOnTop(bool) {}
void ControlBar::Nascondi_Barra() {}
void ControlBar::Esponi_Barra() {}
void ControlBar::btSetup_Click() {}
void ControlBar::btHelp_Click() {}
void ControlBar::ImageConnesso_Click() {}
void ControlBar::Label12_Click() {}
