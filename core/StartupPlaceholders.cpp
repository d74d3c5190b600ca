#include "core/StartupPlaceholders.h"

#include "core/ClickLabel.h"
#include "core/FormPicture.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>

void StartupPlaceholders::Disegna_Barra2() {
    // A two-line status label across the bottom of the screen; the full bar arithmetic
    // replaces this.
    const platform::Units u = form_.units();
    const int height = 480;
    platform::twips::setGeometry(form_.bar.whoWeAre, u, 0, form_.screenHeightTwips() - height,
                                 form_.screenWidthTwips(), height);
    form_.ShowStatusText();
}

void StartupPlaceholders::PanelButtonsBusy() {
    form_.panel.SSTCfg_cmdConferma->setEnabled(false);
    form_.panel.SSTCfg_ExitProgram->setEnabled(false);
}

void StartupPlaceholders::CheckVersion() {}

void StartupPlaceholders::ShowDisplayDebug() {}
