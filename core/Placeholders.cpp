#include "core/Placeholders.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "i18n/Language.h"
#include "platform/Platform.h"
#include "storage/TownSettings.h"

#include <QFrame>

#include <QLabel>
#include <QTabWidget>

void Placeholders::CheckVersion() {}

void Placeholders::ShowDisplayDebug() {}

void Placeholders::OpenConfigPanel() {
    window_.parts.panel.SSTCfg->setCurrentWidget(window_.parts.panel.pageTools);
    window_.parts.panel.SSTCfg->show();
    window_.parts.panel.SSTCfg->raise();
}

void Placeholders::Apre_Setup() {
    window_.parts.townSettings->LoadTownSettings();
    window_.parts.language->ApplyLanguage();
    // A request made while a slideshow step runs is dropped; the step decides first.
    if (window_.state.clockStatus == 0) {
        window_.parts.bar.whoWeAre->setEnabled(false);
        window_.parts.bar.btSetup->setEnabled(false);
        window_.state.flagCmdButton = codes::command::kOpenPanel;
    }
}

void Placeholders::hidePanel() {
    PanelControls& p = window_.parts.panel;
    for (QWidget* w :
         {static_cast<QWidget*>(p.lVersion), static_cast<QWidget*>(p.SSTCfg),
          static_cast<QWidget*>(p.FrameWizard), p.BrowserImgPreview,
          static_cast<QWidget*>(p.FrameDescPreview), static_cast<QWidget*>(p.DescPreview)})
        w->hide();
}
