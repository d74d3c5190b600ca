#include "i18n/CaptionTargets.h"

#include "bar/BarControls.h"
#include "base/ClickLabel.h"
#include "panel/PanelControls.h"

#include <QAbstractButton>
#include <QLabel>

// The name is written once, so a table row and its control cannot drift apart.
#define NIMBRISCO_TARGET(group, name)                                                              \
    { QStringLiteral(#name), group.name }

CaptionTargets makeCaptionTargets(const PanelControls& panel, const BarControls& bar) {
    return {
        NIMBRISCO_TARGET(panel, LabelOwnerImage),
        NIMBRISCO_TARGET(panel, TextTools),
        NIMBRISCO_TARGET(panel, TextTool1),
        NIMBRISCO_TARGET(panel, TextTool2),
        NIMBRISCO_TARGET(panel, TextTool3),
        NIMBRISCO_TARGET(panel, TextTool4),
        NIMBRISCO_TARGET(panel, TextTool5),
        NIMBRISCO_TARGET(panel, SSTCfg_salvaConfig2),
        NIMBRISCO_TARGET(panel, IcoSwapSST02),
        NIMBRISCO_TARGET(panel, IcoSwapSST22),
        NIMBRISCO_TARGET(panel, IcoSwapSST32),
        NIMBRISCO_TARGET(panel, TextDisplayTimers),
        NIMBRISCO_TARGET(panel, TextDisplayTimers0),
        NIMBRISCO_TARGET(panel, TextDisplayTimers1),
        NIMBRISCO_TARGET(panel, TextDisplayTimers3),
        NIMBRISCO_TARGET(panel, SSTCfg_Aggiorna2),
        NIMBRISCO_TARGET(panel, textSeconds),
        NIMBRISCO_TARGET(panel, SSTCfg_Download2),
        NIMBRISCO_TARGET(panel, TextMinuts),
        NIMBRISCO_TARGET(panel, dyMode2),
        NIMBRISCO_TARGET(panel, SSTCfg_cmdConferma2),
        NIMBRISCO_TARGET(panel, TextPictureSelection),
        NIMBRISCO_TARGET(panel, TextPictureSelection0),
        NIMBRISCO_TARGET(panel, TextPictureSelection1),
        NIMBRISCO_TARGET(panel, TextPictureSelection3),
        NIMBRISCO_TARGET(panel, TextRunExit),
        NIMBRISCO_TARGET(panel, TextRunExit0),
        NIMBRISCO_TARGET(panel, TextRunExit1),
        NIMBRISCO_TARGET(panel, TextRunExit3),
        NIMBRISCO_TARGET(panel, IcoHelpTools2),
        NIMBRISCO_TARGET(panel, helpEsegui2),
        NIMBRISCO_TARGET(panel, helpImg2),
        NIMBRISCO_TARGET(panel, helpTime2),
        NIMBRISCO_TARGET(panel, SSTCfg_ExitProgram2),
        NIMBRISCO_TARGET(panel, zepStatusBar2),
        NIMBRISCO_TARGET(panel, Cleanup2),
        NIMBRISCO_TARGET(panel, SSTCfg_FileUser2),
        NIMBRISCO_TARGET(panel, SSTCfg_resetUserImg2),
        NIMBRISCO_TARGET(panel, SSTCfg_Backupconf),
        NIMBRISCO_TARGET(panel, SSTCfg_Loadconf),
        NIMBRISCO_TARGET(bar, btWait),
        NIMBRISCO_TARGET(bar, btSetup),
        NIMBRISCO_TARGET(bar, btTermina),
        NIMBRISCO_TARGET(bar, btHelp),
        NIMBRISCO_TARGET(bar, ImageDisconnesso),
        NIMBRISCO_TARGET(bar, ImageConnesso),
    };
}

#undef NIMBRISCO_TARGET

void setCaption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}
