#include "panel/PanelControls.h"

#include "base/ClickLabel.h"
#include "base/Shape.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

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
        s->setFillColor(255);
        return s;
    }

private:
    QVBoxLayout* layout_;
};

} // namespace

PanelControls createPanelControls(QWidget* form) {
    PanelControls c;
    c.SSTCfg = new QTabWidget(form);
    c.SSTCfg->setObjectName("SSTCfg");
    c.pageDisplayTimers = new QWidget;
    c.pagePictureSelection = new QWidget;
    c.pageRunExit = new QWidget;
    c.pageTools = new QWidget;
    c.SSTCfg->addTab(c.pageDisplayTimers, "Display Timers");
    c.SSTCfg->addTab(c.pagePictureSelection, "Picture   Selection");
    c.SSTCfg->addTab(c.pageRunExit, "Run / Exit");
    c.SSTCfg->addTab(c.pageTools, "Tools - Language");

    PageBuilder timers(c.pageDisplayTimers);
    c.TextDisplayTimers = timers.label("Display Timer");
    c.SSTCfg_Download2 = timers.label("Download Img. Times");
    c.SSTCfg_timeDwLoad = timers.add(new QLineEdit("1"));
    c.TextMinuts = timers.label("(minuts)");
    c.SSTCfg_Aggiorna2 = timers.label("Slide Show Img. Timer");
    c.SSTCfg_timeRefresh = timers.add(new QLineEdit("2"));
    c.textSeconds = timers.label("(seconds)");
    c.dyMode = timers.clickLabel();
    c.dyMode2 = timers.clickLabel("Display Picture Mode");
    c.txtDisplay = timers.add(new QLineEdit("Normal"));
    c.txtDisplay->hide();
    c.txtDisplay2 = timers.add(new QLineEdit("Normal"));
    c.txtDisplay2->setReadOnly(true);
    c.helpTime2 = timers.clickLabel("Help");
    c.Box_Help_Display_Timer = timers.label();
    c.Pallino_Rosso_Timers = timers.marker();
    c.TextPictureSelection0 = timers.label("Picture Selection");
    c.TextRunExit0 = timers.label("Run - Exit");
    c.TextTool1 = timers.label("Tools");

    PageBuilder pictures(c.pagePictureSelection);
    c.TextPictureSelection = pictures.label("Picture Selection");
    c.Tabella_Mappe_Selezionate = pictures.add(new QListWidget);
    c.Tabella_Mappe_Selezionate->setSelectionMode(QAbstractItemView::MultiSelection);
    c.Label11 = pictures.clickLabel("Unselect All Pictures");
    c.LabelOwnerImage = pictures.label("Local I.");
    c.SSTCfg_LblinserisciImg = pictures.label();
    c.SSTCfg_FileUser = pictures.clickLabel();
    c.SSTCfg_FileUser2 = pictures.clickLabel("Add Owner Image");
    c.SSTCfg_resetUserImg = pictures.clickLabel();
    c.SSTCfg_resetUserImg2 = pictures.clickLabel("Remove Own. Img.");
    c.SSTCfg_Backupconf = pictures.clickLabel("Backup Collection");
    c.SSTCfg_Loadconf = pictures.clickLabel("Load_File Collection");
    c.helpImg2 = pictures.clickLabel("Help");
    c.TextDisplayTimers1 = pictures.label("Display Timer");
    c.TextRunExit1 = pictures.label("Run - Exit");
    c.TextTool2 = pictures.label("Tools");

    PageBuilder run(c.pageRunExit);
    c.TextRunExit = run.label("Run - Exit");
    c.SSTCfg_cmdConferma = run.clickLabel();
    c.SSTCfg_cmdConferma_BW = run.clickLabel();
    c.SSTCfg_cmdConferma_BW->hide();
    c.SSTCfg_cmdConferma2 = run.clickLabel("Start Slide Show");
    c.SSTCfg_salvaConfig = run.clickLabel();
    c.SSTCfg_salvaConfig2 = run.clickLabel("Save Configur.");
    c.SSTCfg_ExitProgram = run.clickLabel();
    c.SSTCfg_ExitProgram_BW = run.clickLabel();
    c.SSTCfg_ExitProgram_BW->hide();
    c.SSTCfg_ExitProgram2 = run.clickLabel("Quit Program");
    c.zepStatusBar = run.clickLabel();
    c.zepStatusBar2 = run.clickLabel("About");
    c.helpEsegui2 = run.clickLabel("Help");
    c.Box_Help_Run_Exit = run.label();
    c.Pallino_Rosso_Run_Exit = run.marker();
    c.TextDisplayTimers3 = run.label("Display Timer");
    c.TextPictureSelection3 = run.label("Picture Selection");
    c.TextTool3 = run.label("Tools");

    PageBuilder tools(c.pageTools);
    c.TextTools = tools.label("Tools");
    c.IcoSwapSST02 = tools.clickLabel("Display Timers");
    c.IcoSwapSST22 = tools.clickLabel("Picture Selection");
    c.IcoSwapSST32 = tools.clickLabel("Run - Exit");
    c.IcoSwapSST6 = tools.clickLabel();
    c.LabelLanguage = tools.clickLabel("Language");
    c.Cleanup = tools.clickLabel();
    c.Cleanup2 = tools.clickLabel("Cleanup Config.");
    c.YourTownIco = tools.clickLabel();
    c.RunTeamViewer = tools.clickLabel();
    c.IcoHelpTools2 = tools.clickLabel("Help TeamViewer");
    c.Connection = tools.add(new QPushButton("Modif. Connection"));
    c.TestReadProxy = tools.add(new QPushButton("Test Read Proxy"));
    c.LeftTipText = tools.label();
    c.Pallino_Rosso_Tools = tools.marker();
    c.TextDisplayTimers0 = tools.label("Display Timer");
    c.TextPictureSelection1 = tools.label("Picture Selection");
    c.TextRunExit3 = tools.label("Run - Exit");
    c.TextTool4 = tools.label("Tools");
    c.TextTool5 = tools.label("Tools");

    for (QLabel* l : {c.Box_Help_Display_Timer, c.Box_Help_Run_Exit, c.LeftTipText})
        l->setWordWrap(true);

    c.FrameWizard = new QFrame(form);
    c.lVersion = new QLabel(form);
    c.FrameDescPreview = new QFrame(form);
    c.DescPreview = new QLabel(c.FrameDescPreview);
    // A catalogue description and a path from the configuration file are shown as written.
    for (QLabel* l : {c.DescPreview, c.SSTCfg_LblinserisciImg})
        l->setTextFormat(Qt::PlainText);
    c.BrowserImgPreview = new QWidget(form);
    for (QWidget* w : {static_cast<QWidget*>(c.SSTCfg), static_cast<QWidget*>(c.FrameWizard),
                       static_cast<QWidget*>(c.FrameDescPreview), c.BrowserImgPreview})
        w->hide();
    return c;
}
