#include "panel/PanelControls.h"

#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Shape.h"
#include "platform/TwipsGeometry.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

// Every control bears its name as its object name: the language tables, tests and the
// accessibility interface find it by that name.
#define NIMBRISCO_NAMED(member, made)                                                              \
    do {                                                                                           \
        c.member = (made);                                                                         \
        c.member->setObjectName(QStringLiteral(#member));                                          \
    } while (false)

namespace {

// Adds widgets to a page top to bottom; the panel pages give them their final places.
class PageBuilder {
public:
    explicit PageBuilder(QWidget* page) : layout_(new QVBoxLayout(page)) {}

    template <typename W> W* add(W* w) {
        layout_->addWidget(w);
        return w;
    }
    QLabel* label(const QString& text = QString()) { return add(new QLabel(text)); }
    ClickLabel* clickLabel(const QString& text = QString()) { return add(new ClickLabel(text)); }
    Shape* marker() {
        auto* s = add(new Shape);
        s->setFixedSize(12, 12);
        s->setFillColor(codes::colour::kRed);
        return s;
    }

private:
    QVBoxLayout* layout_;
};

} // namespace

PanelControls createPanelControls(QWidget* form, const platform::Units& u) {
    PanelControls c;
    NIMBRISCO_NAMED(SSTCfg, new QTabWidget(form));
    NIMBRISCO_NAMED(pageDisplayTimers, new QWidget);
    NIMBRISCO_NAMED(pagePictureSelection, new QWidget);
    NIMBRISCO_NAMED(pageRunExit, new QWidget);
    NIMBRISCO_NAMED(pageTools, new QWidget);
    c.SSTCfg->addTab(c.pageDisplayTimers, "Display Timers");
    c.SSTCfg->addTab(c.pagePictureSelection, "Picture   Selection");
    c.SSTCfg->addTab(c.pageRunExit, "Run / Exit");
    c.SSTCfg->addTab(c.pageTools, "Tools - Language");

    PageBuilder timers(c.pageDisplayTimers);
    NIMBRISCO_NAMED(TextDisplayTimers, timers.label("Display Timer"));
    NIMBRISCO_NAMED(SSTCfg_Download2, timers.label("Download Img. Times"));
    NIMBRISCO_NAMED(SSTCfg_timeDwLoad, timers.add(new QLineEdit("1")));
    NIMBRISCO_NAMED(TextMinuts, timers.label("(minuts)"));
    NIMBRISCO_NAMED(SSTCfg_Aggiorna2, timers.label("Slide Show Img. Timer"));
    NIMBRISCO_NAMED(SSTCfg_timeRefresh, timers.add(new QLineEdit("2")));
    NIMBRISCO_NAMED(textSeconds, timers.label("(seconds)"));
    NIMBRISCO_NAMED(dyMode, timers.clickLabel());
    NIMBRISCO_NAMED(dyMode2, timers.clickLabel("Display Picture Mode"));
    NIMBRISCO_NAMED(txtDisplay, timers.add(new QLineEdit("Normal")));
    c.txtDisplay->hide();
    NIMBRISCO_NAMED(txtDisplay2, timers.add(new QLineEdit("Normal")));
    c.txtDisplay2->setReadOnly(true);
    NIMBRISCO_NAMED(helpTime2, timers.clickLabel("Help"));
    NIMBRISCO_NAMED(Box_Help_Display_Timer, timers.label());
    NIMBRISCO_NAMED(Pallino_Rosso_Timers, timers.marker());
    NIMBRISCO_NAMED(TextPictureSelection0, timers.label("Picture Selection"));
    NIMBRISCO_NAMED(TextRunExit0, timers.label("Run - Exit"));
    NIMBRISCO_NAMED(TextTool1, timers.label("Tools"));

    PageBuilder pictures(c.pagePictureSelection);
    NIMBRISCO_NAMED(TextPictureSelection, pictures.label("Picture Selection"));
    NIMBRISCO_NAMED(Tabella_Mappe_Selezionate, pictures.add(new QListWidget));
    c.Tabella_Mappe_Selezionate->setSelectionMode(QAbstractItemView::MultiSelection);
    NIMBRISCO_NAMED(Label11, pictures.clickLabel("Unselect All Pictures"));
    NIMBRISCO_NAMED(LabelOwnerImage, pictures.label("Local I."));
    NIMBRISCO_NAMED(SSTCfg_LblinserisciImg, pictures.label());
    NIMBRISCO_NAMED(SSTCfg_FileUser, pictures.clickLabel());
    NIMBRISCO_NAMED(SSTCfg_FileUser2, pictures.clickLabel("Add Owner Image"));
    NIMBRISCO_NAMED(SSTCfg_resetUserImg, pictures.clickLabel());
    NIMBRISCO_NAMED(SSTCfg_resetUserImg2, pictures.clickLabel("Remove Own. Img."));
    NIMBRISCO_NAMED(SSTCfg_Backupconf, pictures.clickLabel("Backup Collection"));
    NIMBRISCO_NAMED(SSTCfg_Loadconf, pictures.clickLabel("Load_File Collection"));
    NIMBRISCO_NAMED(helpImg2, pictures.clickLabel("Help"));
    NIMBRISCO_NAMED(TextDisplayTimers1, pictures.label("Display Timer"));
    NIMBRISCO_NAMED(TextRunExit1, pictures.label("Run - Exit"));
    NIMBRISCO_NAMED(TextTool2, pictures.label("Tools"));

    PageBuilder run(c.pageRunExit);
    NIMBRISCO_NAMED(TextRunExit, run.label("Run - Exit"));
    NIMBRISCO_NAMED(SSTCfg_cmdConferma, run.clickLabel());
    NIMBRISCO_NAMED(SSTCfg_cmdConferma_BW, run.clickLabel());
    c.SSTCfg_cmdConferma_BW->hide();
    NIMBRISCO_NAMED(SSTCfg_cmdConferma2, run.clickLabel("Start Slide Show"));
    NIMBRISCO_NAMED(SSTCfg_salvaConfig, run.clickLabel());
    NIMBRISCO_NAMED(SSTCfg_salvaConfig2, run.clickLabel("Save Configur."));
    NIMBRISCO_NAMED(SSTCfg_ExitProgram, run.clickLabel());
    NIMBRISCO_NAMED(SSTCfg_ExitProgram_BW, run.clickLabel());
    c.SSTCfg_ExitProgram_BW->hide();
    NIMBRISCO_NAMED(SSTCfg_ExitProgram2, run.clickLabel("Quit Program"));
    NIMBRISCO_NAMED(zepStatusBar, run.clickLabel());
    NIMBRISCO_NAMED(zepStatusBar2, run.clickLabel("About"));
    NIMBRISCO_NAMED(helpEsegui2, run.clickLabel("Help"));
    NIMBRISCO_NAMED(Box_Help_Run_Exit, run.label());
    NIMBRISCO_NAMED(Pallino_Rosso_Run_Exit, run.marker());
    NIMBRISCO_NAMED(TextDisplayTimers3, run.label("Display Timer"));
    NIMBRISCO_NAMED(TextPictureSelection3, run.label("Picture Selection"));
    NIMBRISCO_NAMED(TextTool3, run.label("Tools"));

    PageBuilder tools(c.pageTools);
    NIMBRISCO_NAMED(TextTools, tools.label("Tools"));
    NIMBRISCO_NAMED(IcoSwapSST02, tools.clickLabel("Display Timers"));
    NIMBRISCO_NAMED(IcoSwapSST22, tools.clickLabel("Picture Selection"));
    NIMBRISCO_NAMED(IcoSwapSST32, tools.clickLabel("Run - Exit"));
    NIMBRISCO_NAMED(IcoSwapSST6, tools.clickLabel());
    NIMBRISCO_NAMED(LabelLanguage, tools.clickLabel("Language"));
    NIMBRISCO_NAMED(Cleanup, tools.clickLabel());
    NIMBRISCO_NAMED(Cleanup2, tools.clickLabel("Cleanup Config."));
    NIMBRISCO_NAMED(YourTownIco, tools.clickLabel());
    NIMBRISCO_NAMED(RunTeamViewer, tools.clickLabel());
    NIMBRISCO_NAMED(IcoHelpTools2, tools.clickLabel("Help TeamViewer"));
    NIMBRISCO_NAMED(Connection, tools.add(new QPushButton("Modif. Connection")));
    NIMBRISCO_NAMED(TestReadProxy, tools.add(new QPushButton("Test Read Proxy")));
    NIMBRISCO_NAMED(LeftTipText, tools.label());
    NIMBRISCO_NAMED(Pallino_Rosso_Tools, tools.marker());
    NIMBRISCO_NAMED(TextDisplayTimers0, tools.label("Display Timer"));
    NIMBRISCO_NAMED(TextPictureSelection1, tools.label("Picture Selection"));
    NIMBRISCO_NAMED(TextRunExit3, tools.label("Run - Exit"));
    NIMBRISCO_NAMED(TextTool4, tools.label("Tools"));
    NIMBRISCO_NAMED(TextTool5, tools.label("Tools"));

    for (QLabel* l : {c.Box_Help_Display_Timer, c.Box_Help_Run_Exit, c.LeftTipText})
        l->setWordWrap(true);

    NIMBRISCO_NAMED(FrameWizard, new QFrame(form));
    NIMBRISCO_NAMED(lVersion, new QLabel(form));
    NIMBRISCO_NAMED(FrameDescPreview, new QFrame(form));
    NIMBRISCO_NAMED(DescPreview, new QLabel(c.FrameDescPreview));
    // A catalogue description and a path from the configuration file are shown as written.
    for (QLabel* l : {c.DescPreview, c.SSTCfg_LblinserisciImg})
        l->setTextFormat(Qt::PlainText);
    NIMBRISCO_NAMED(BrowserImgPreview, new QWidget(form));
    for (QWidget* w : {static_cast<QWidget*>(c.SSTCfg), static_cast<QWidget*>(c.FrameWizard),
                       static_cast<QWidget*>(c.FrameDescPreview), c.BrowserImgPreview})
        w->hide();

    // Design-time sizes of the panel and the labels around it, in twips.
    platform::twips::setWidth(c.SSTCfg, u, 9000);
    platform::twips::setHeight(c.SSTCfg, u, 6600);
    platform::twips::setWidth(c.FrameWizard, u, 9000);
    platform::twips::setHeight(c.FrameWizard, u, 2400);
    platform::twips::setWidth(c.lVersion, u, 3000);
    platform::twips::setHeight(c.lVersion, u, 300);
    return c;
}

#undef NIMBRISCO_NAMED
