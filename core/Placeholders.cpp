#include "core/Placeholders.h"

#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "core/FormPicture.h"
#include "i18n/Language.h"
#include "storage/TownSettings.h"

#include <QFrame>

#include <QLabel>
#include <QTabWidget>

void Placeholders::CheckVersion() {}

void Placeholders::ShowDisplayDebug() {}

void Placeholders::OpenConfigPanel() {
    form_.parts().panel.SSTCfg->setCurrentWidget(form_.parts().panel.pageTools);
    form_.parts().panel.SSTCfg->show();
    form_.parts().panel.SSTCfg->raise();
}

void Placeholders::Apre_Setup() {
    form_.parts().townSettings->LoadTownSettings();
    form_.parts().language->ApplyLanguage();
    // A request made while a slideshow step runs is dropped; the step decides first.
    if (form_.state.clockStatus == 0) {
        form_.parts().bar.whoWeAre->setEnabled(false);
        form_.parts().bar.btSetup->setEnabled(false);
        form_.state.flagCmdButton = codes::command::kOpenPanel;
    }
}

void Placeholders::hidePanel() {
    PanelControls& p = form_.parts().panel;
    for (QWidget* w :
         {static_cast<QWidget*>(p.lVersion), static_cast<QWidget*>(p.SSTCfg),
          static_cast<QWidget*>(p.FrameWizard), p.BrowserImgPreview,
          static_cast<QWidget*>(p.FrameDescPreview), static_cast<QWidget*>(p.DescPreview)})
        w->hide();
}
