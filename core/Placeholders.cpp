#include "core/Placeholders.h"

#include "base/ClickLabel.h"
#include "core/FormPicture.h"
#include "i18n/Language.h"
#include "storage/TownSettings.h"

#include <QLabel>
#include <QTabWidget>

void Placeholders::CheckVersion() {}

void Placeholders::ShowDisplayDebug() {}

void Placeholders::OpenConfigPanel() {
    form_.panel.SSTCfg->setCurrentWidget(form_.panel.pageTools);
    form_.panel.SSTCfg->show();
    form_.panel.SSTCfg->raise();
}

void Placeholders::Apre_Setup() {
    form_.townSettings().LoadTownSettings();
    form_.language().ApplyLanguage();
    // A request made while a slideshow step runs is dropped; the step decides first.
    if (form_.state.clockStatus == 0) {
        form_.bar.whoWeAre->setEnabled(false);
        form_.bar.btSetup->setEnabled(false);
        form_.state.flagCmdButton = 1;
    }
}
