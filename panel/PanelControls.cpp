#include "panel/PanelControls.h"

#include "base/ClickLabel.h"
#include "base/Codes.h"
#include "base/Shape.h"
#include "panel/PanelTabs.h"
#include "platform/TwipsGeometry.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QWebEngineView>

// Every control bears its name as its object name: the language tables, tests and the
// accessibility interface find it by that name.
#define NIMBRISCO_NAMED(member, made)                                                              \
    do {                                                                                           \
        c.member = (made);                                                                         \
        c.member->setObjectName(QStringLiteral(#member));                                          \
    } while (false)

namespace {

namespace tw = platform::twips;

// Design-time sizes, in twips.
constexpr int kPanelWidth = 7095;
constexpr int kPanelHeight = 5055;
constexpr int kBackgroundTop = 500;
constexpr int kIcon = 660;    // the icons of a page's grid and bottom row
constexpr int kNavIcon = 360; // the small icons of the navigation column
constexpr int kCaptionWidth = 1200;
constexpr int kCaptionHeight = 420; // two lines
constexpr int kLineHeight = 270;
constexpr int kFrameHeight = 1500; // the help frame and the preview's description
constexpr int kMarker = 180;

constexpr int kPanelPoints = 8;
constexpr int kTitlePoints = 10;
const QString kTextColour = QStringLiteral("#10263e");

QString picture(const char* name) {
    return QStringLiteral(":/pictures/") + QLatin1String(name) + QStringLiteral(".png");
}

// Makes the controls of one page, each at its design-time size.
class PageMaker {
public:
    PageMaker(QWidget* page, const platform::Units& u) : page_(page), u_(u) {}

    QLabel* background(const char* name) {
        auto* l = new QLabel(page_);
        l->setPixmap(QPixmap(picture(name)));
        l->setScaledContents(true);
        tw::setGeometry(l, u_, 0, kBackgroundTop, kPanelWidth, kPanelHeight - kBackgroundTop);
        return l;
    }
    QLabel* title(const QString& text) {
        auto* l = label(text, 3500, 330);
        QFont f = l->font();
        f.setPointSize(kTitlePoints);
        f.setBold(true);
        l->setFont(f);
        return l;
    }
    QLabel* label(const QString& text, int width, int height = kLineHeight) {
        return sized(new QLabel(text, page_), width, height);
    }
    ClickLabel* link(const QString& text, int width = kCaptionWidth) {
        auto* l = sized(new ClickLabel(text, page_), width, kLineHeight);
        l->setCursor(Qt::PointingHandCursor);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        return l;
    }
    ClickLabel* icon(const char* name, int size = kIcon) {
        auto* l = sized(new ClickLabel(QString(), page_), size, size);
        l->setPixmap(QPixmap(picture(name)));
        l->setScaledContents(true);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    }
    // The caption under an icon, centred and wrapped in its 1200 twips.
    ClickLabel* caption(const QString& text) {
        auto* l = sized(new ClickLabel(text, page_), kCaptionWidth, kCaptionHeight);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    }
    QLabel* helpBox(int width, int height) {
        auto* l = label(QString(), width, height);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
        return l;
    }
    TextBox* textBox(const QString& text) {
        auto* t = sized(new TextBox(text, page_), 1300, 300);
        t->setFont(QFont(QStringLiteral("Verdana"), kPanelPoints));
        return t;
    }
    Shape* marker() {
        auto* s = sized(new Shape(page_), kMarker, kMarker);
        s->setFillColor(codes::colour::kRed);
        return s;
    }
    template <typename W> W* sized(W* w, int width, int height) {
        tw::setWidth(w, u_, width);
        tw::setHeight(w, u_, height);
        return w;
    }
    template <typename W> W* placed(W* w, int left, int top) {
        tw::move(w, u_, left, top);
        return w;
    }

private:
    QWidget* page_;
    const platform::Units& u_;
};

void makeDisplayTimersPage(PanelControls& c, PageMaker& m) {
    NIMBRISCO_NAMED(SfondoDisplayTimer, m.background("bg_timers"));
    NIMBRISCO_NAMED(TextDisplayTimers, m.title("Display Timer"));
    NIMBRISCO_NAMED(TextTool1, m.link("Tools"));
    NIMBRISCO_NAMED(Box_Help_Display_Timer, m.helpBox(3100, 1650));
    NIMBRISCO_NAMED(SSTCfg_Download, m.icon("ico_download"));
    NIMBRISCO_NAMED(SSTCfg_Download2, m.caption("Download Img. Timer"));
    NIMBRISCO_NAMED(SSTCfg_Aggiorna, m.icon("ico_slidetime"));
    NIMBRISCO_NAMED(SSTCfg_Aggiorna2, m.caption("Slide Show Img. Timer"));
    NIMBRISCO_NAMED(dyMode, m.icon("ico_displaymode"));
    NIMBRISCO_NAMED(dyMode2, m.caption("Display Picture Mode"));
    NIMBRISCO_NAMED(helpTime, m.icon("ico_help"));
    NIMBRISCO_NAMED(helpTime2, m.caption("Help"));
    NIMBRISCO_NAMED(SSTCfg_timeDwLoad, m.textBox(QStringLiteral("1")));
    NIMBRISCO_NAMED(TextMinuts, m.label("(minuts)", 1300));
    NIMBRISCO_NAMED(SSTCfg_timeRefresh, m.textBox(QStringLiteral("2")));
    NIMBRISCO_NAMED(textSeconds, m.label("(seconds)", 1300));
    NIMBRISCO_NAMED(txtDisplay, m.textBox(codes::kNormal));
    c.txtDisplay->hide();
    NIMBRISCO_NAMED(txtDisplay2, m.textBox(codes::kNormal));
    c.txtDisplay2->setReadOnly(true);
    NIMBRISCO_NAMED(LittleTool00, m.icon("nav_timers", kNavIcon));
    NIMBRISCO_NAMED(LittleTool02, m.icon("nav_pictures", kNavIcon));
    NIMBRISCO_NAMED(LittleTool03, m.icon("nav_runexit", kNavIcon));
    NIMBRISCO_NAMED(TextDisplayTimers0, m.link("Display Timer", 2500));
    NIMBRISCO_NAMED(TextPictureSelection0, m.link("Picture Selection", 2500));
    NIMBRISCO_NAMED(TextRunExit0, m.link("Run - Exit", 2500));
    NIMBRISCO_NAMED(Pallino_Rosso_Timers, m.placed(m.marker(), 3240, 600));
}

void makePictureSelectionPage(PanelControls& c, PageMaker& m) {
    NIMBRISCO_NAMED(SfondoPicturSel, m.background("bg_pictures"));
    NIMBRISCO_NAMED(TextPictureSelection, m.label("Picture Selection", 2000));
    NIMBRISCO_NAMED(TextTool3, m.link("Tools"));
    NIMBRISCO_NAMED(Image3, m.icon("nav_tools", kNavIcon));
    NIMBRISCO_NAMED(SSTCfg_FileUser, m.icon("ico_ownimage"));
    NIMBRISCO_NAMED(SSTCfg_FileUser2, m.caption("Add Owner Image"));
    NIMBRISCO_NAMED(SSTCfg_resetUserImg, m.icon("ico_removeimage"));
    NIMBRISCO_NAMED(SSTCfg_resetUserImg2, m.caption("Remove Own. Img."));
    NIMBRISCO_NAMED(helpImg, m.icon("ico_help"));
    NIMBRISCO_NAMED(helpImg2, m.caption("Help"));
    NIMBRISCO_NAMED(SSTCfg_BackUpcnf, m.icon("ico_backup"));
    NIMBRISCO_NAMED(SSTCfg_Backupconf, m.caption("Back Up Config"));
    NIMBRISCO_NAMED(SSTCfg_Loadcnf, m.icon("ico_load"));
    NIMBRISCO_NAMED(SSTCfg_Loadconf, m.caption("Load Collections"));

    // Above the list: the clear label with its icon, right of the Tools icon.
    NIMBRISCO_NAMED(ClearListDB, m.placed(m.icon("nav_clearlist", kNavIcon), 4300, 700));
    NIMBRISCO_NAMED(Label11, m.placed(m.link("CLEAR LIST", 2300), 4720, 745));
    NIMBRISCO_NAMED(Tabella_Mappe_Selezionate,
                    m.sized(new QListWidget(c.pagePictureSelection), 6861, 1992));
    c.Tabella_Mappe_Selezionate->setSelectionMode(QAbstractItemView::MultiSelection);
    c.Tabella_Mappe_Selezionate->setUniformItemSizes(true);
    NIMBRISCO_NAMED(PreViewEnabled, m.sized(new QCheckBox(c.pagePictureSelection), 300, 300));
    // Below the list, between the Tools link and the preview check box: the own picture.
    NIMBRISCO_NAMED(LabelOwnerImage, m.placed(m.label("Owner Picture:", 1000), 1100, 3393));
    NIMBRISCO_NAMED(SSTCfg_LblinserisciImg, m.placed(m.label(QString(), 2500), 2130, 3393));
    c.SSTCfg_LblinserisciImg->setTextFormat(Qt::PlainText);
    NIMBRISCO_NAMED(Wait_Ico, m.placed(m.label(QString(), kIcon, kIcon), 3200, 1830));
    c.Wait_Ico->setPixmap(QPixmap(picture("ico_wait")));
    c.Wait_Ico->setScaledContents(true);
    c.Wait_Ico->hide();

    NIMBRISCO_NAMED(TextDisplayTimers1, m.label("Display Timer", 2500));
    NIMBRISCO_NAMED(TextPictureSelection1, m.label("Picture Selection", 2500));
    NIMBRISCO_NAMED(TextRunExit1, m.label("Run - Exit", 2500));
    NIMBRISCO_NAMED(TextTool2, m.label("Tools", kCaptionWidth));
    for (QLabel* l : {c.TextDisplayTimers1, c.TextPictureSelection1, c.TextRunExit1, c.TextTool2})
        l->hide();
}

QFrame* saveBarShape(QWidget* page, const QString& colour) {
    auto* f = new QFrame(page);
    f->setStyleSheet(QStringLiteral("background: %1;").arg(colour));
    f->hide();
    return f;
}

void makeRunExitPage(PanelControls& c, PageMaker& m) {
    NIMBRISCO_NAMED(SfondoRunExit, m.background("bg_runexit"));
    NIMBRISCO_NAMED(TextRunExit, m.title("Run - Exit"));
    NIMBRISCO_NAMED(TextTool4, m.link("Tools"));
    NIMBRISCO_NAMED(Box_Help_Run_Exit, m.helpBox(1880, 1700));
    NIMBRISCO_NAMED(SSTCfg_cmdConferma, m.icon("ico_start"));
    NIMBRISCO_NAMED(SSTCfg_cmdConferma_BW, m.icon("ico_start_bw"));
    c.SSTCfg_cmdConferma_BW->hide();
    NIMBRISCO_NAMED(SSTCfg_cmdConferma2, m.caption("Start Slide Show"));
    NIMBRISCO_NAMED(SSTCfg_ExitProgram, m.icon("ico_exit"));
    NIMBRISCO_NAMED(SSTCfg_ExitProgram_BW, m.icon("ico_exit_bw"));
    c.SSTCfg_ExitProgram_BW->hide();
    NIMBRISCO_NAMED(SSTCfg_ExitProgram2, m.caption("Quit Program"));
    NIMBRISCO_NAMED(SSTCfg_salvaConfig, m.icon("ico_save"));
    NIMBRISCO_NAMED(SSTCfg_salvaConfig2, m.caption("Save Configur."));
    NIMBRISCO_NAMED(zepStatusBar, m.icon("ico_about"));
    NIMBRISCO_NAMED(zepStatusBar2, m.caption("About"));
    NIMBRISCO_NAMED(helpEsegui, m.icon("ico_help"));
    NIMBRISCO_NAMED(helpEsegui2, m.caption("Help"));
    NIMBRISCO_NAMED(YourTownIco, m.icon("ico_town"));
    NIMBRISCO_NAMED(YourTownLbl, m.caption("Your Town"));
    NIMBRISCO_NAMED(Cleanup, m.icon("ico_cleanup"));
    NIMBRISCO_NAMED(Cleanup2, m.caption("Cleanup Config."));
    // Under the Save icon's caption; only the save runs it.
    NIMBRISCO_NAMED(
        BarSaveAllBG,
        m.placed(m.sized(saveBarShape(c.pageRunExit, "#c9d6e3"), 2000, 120), 4751, 1975));
    NIMBRISCO_NAMED(BarSaveAllFG,
                    m.placed(m.sized(saveBarShape(c.pageRunExit, "#2a9d8f"), 1, 120), 4751, 1975));
    NIMBRISCO_NAMED(LittleTool30, m.icon("nav_timers", kNavIcon));
    NIMBRISCO_NAMED(LittleTool32, m.icon("nav_pictures", kNavIcon));
    NIMBRISCO_NAMED(LittleTool33, m.icon("nav_runexit", kNavIcon));
    NIMBRISCO_NAMED(TextDisplayTimers3, m.link("Display Timer", 2500));
    NIMBRISCO_NAMED(TextPictureSelection3, m.link("Picture Selection", 2500));
    NIMBRISCO_NAMED(TextRunExit3, m.link("Run - Exit", 2500));
    NIMBRISCO_NAMED(Pallino_Rosso_Run_Exit, m.placed(m.marker(), 3240, 600));
}

void makeToolsPage(PanelControls& c, PageMaker& m) {
    NIMBRISCO_NAMED(SfondoTools, m.background("bg_tools"));
    NIMBRISCO_NAMED(TextTools, m.title("Tools"));
    NIMBRISCO_NAMED(TextTool5, m.link("Tools"));
    NIMBRISCO_NAMED(LeftTipText, m.helpBox(3150, 2650));
    NIMBRISCO_NAMED(IcoSwapSST0, m.icon("ico_timers"));
    NIMBRISCO_NAMED(IcoSwapSST02, m.caption("Display Timers"));
    NIMBRISCO_NAMED(IcoSwapSST2, m.icon("ico_pictures"));
    NIMBRISCO_NAMED(IcoSwapSST22, m.caption("Pictures Selection"));
    NIMBRISCO_NAMED(IcoSwapSST3, m.icon("ico_runexit"));
    NIMBRISCO_NAMED(IcoSwapSST32, m.caption("Run - Exit"));
    NIMBRISCO_NAMED(RunTeamViewer, m.icon("ico_remote"));
    NIMBRISCO_NAMED(IcoHelpTools2, m.caption("Remote Help"));
    NIMBRISCO_NAMED(IcoSwapSST6, m.icon("ico_language"));
    NIMBRISCO_NAMED(LabelLanguage, m.caption("Language"));
    // Below the tip text: the connection settings of the first start.
    NIMBRISCO_NAMED(
        Connection,
        m.placed(m.sized(new QPushButton("Modif. Connection", c.pageTools), 1650, 360), 234, 4380));
    NIMBRISCO_NAMED(
        TestReadProxy,
        m.placed(m.sized(new QPushButton("Test Read Proxy", c.pageTools), 1650, 360), 1974, 4380));
    NIMBRISCO_NAMED(Pallino_Rosso_Tools, m.placed(m.marker(), 3240, 600));
}

void makeFrames(PanelControls& c, QWidget* form, const platform::Units& u) {
    NIMBRISCO_NAMED(FrameWizard, new QFrame(form));
    c.FrameWizard->setFrameShape(QFrame::StyledPanel);
    tw::setWidth(c.FrameWizard, u, kPanelWidth);
    tw::setHeight(c.FrameWizard, u, kFrameHeight);
    auto* wizard = new QHBoxLayout(c.FrameWizard);
    NIMBRISCO_NAMED(WizardPicture, new QLabel);
    tw::setWidth(c.WizardPicture, u, kIcon);
    tw::setHeight(c.WizardPicture, u, kIcon);
    c.WizardPicture->setFixedSize(c.WizardPicture->size());
    c.WizardPicture->setScaledContents(true);
    NIMBRISCO_NAMED(WizardText, new QLabel);
    c.WizardText->setWordWrap(true);
    c.WizardText->setTextFormat(Qt::PlainText);
    c.WizardText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    wizard->addWidget(c.WizardPicture, 0, Qt::AlignTop);
    wizard->addWidget(c.WizardText, 1);

    NIMBRISCO_NAMED(FormWait, new QFrame(form));
    c.FormWait->setFrameShape(QFrame::StyledPanel);
    tw::setWidth(c.FormWait, u, 5400);
    tw::setHeight(c.FormWait, u, 900);
    auto* wait = new QHBoxLayout(c.FormWait);
    NIMBRISCO_NAMED(LabelWait, new QLabel(QStringLiteral("Loading Database, wait...")));
    c.LabelWait->setAlignment(Qt::AlignCenter);
    c.LabelWait->setWordWrap(true);
    wait->addWidget(c.LabelWait);

    NIMBRISCO_NAMED(lVersion, new QLabel(form));
    tw::setWidth(c.lVersion, u, 3000);
    tw::setHeight(c.lVersion, u, 300);
    c.lVersion->setAlignment(Qt::AlignCenter);

    NIMBRISCO_NAMED(FrameDescPreview, new QFrame(form));
    tw::setWidth(c.FrameDescPreview, u, kPanelWidth);
    tw::setHeight(c.FrameDescPreview, u, kFrameHeight);
    NIMBRISCO_NAMED(DescPreview, new QLabel(c.FrameDescPreview));
    tw::setWidth(c.DescPreview, u, kPanelWidth);
    tw::setHeight(c.DescPreview, u, kFrameHeight);
    // A catalogue description is shown as written.
    c.DescPreview->setTextFormat(Qt::PlainText);
    c.DescPreview->setWordWrap(true);
    c.DescPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.DescPreview->setMargin(6);

    NIMBRISCO_NAMED(BrowserImgPreview, new QWebEngineView(form));
    NIMBRISCO_NAMED(ImgPreview, new QLabel(form));

    for (QWidget* w :
         {static_cast<QWidget*>(c.FrameWizard), static_cast<QWidget*>(c.FormWait),
          static_cast<QWidget*>(c.FrameDescPreview), static_cast<QWidget*>(c.BrowserImgPreview),
          static_cast<QWidget*>(c.ImgPreview)})
        w->hide();
}

// The panel's look: small text in a dark colour on the light page pictures, light frames.
void styleThePanel(PanelControls& c) {
    QFont font = c.SSTCfg->font();
    font.setPointSize(kPanelPoints);
    for (QWidget* w :
         {static_cast<QWidget*>(c.SSTCfg), static_cast<QWidget*>(c.FrameWizard),
          static_cast<QWidget*>(c.FormWait), static_cast<QWidget*>(c.FrameDescPreview)})
        w->setFont(font);
    QFont title = font;
    title.setPointSize(kTitlePoints);
    title.setBold(true);
    c.LabelWait->setFont(title);
    c.lVersion->setStyleSheet(QStringLiteral("QLabel { color: #faf0ca; }"));
    // Tabs as tall as the strip, so that the page's picture starts right under them.
    c.SSTCfg->setStyleSheet(
        QStringLiteral("QLabel { color: %1; }"
                       "QTabWidget::pane { border: none; }"
                       "QTabBar::tab { color: %1; background: #d5dee9; border: 1px solid #9fb3c8;"
                       " border-bottom: none; border-top-left-radius: 6px;"
                       " border-top-right-radius: 6px; padding: 0px 9px; margin-right: 2px;"
                       " height: %2px; }"
                       "QTabBar::tab:selected { background: #f7f9fc; font-weight: bold; }"
                       "QPushButton { padding: 2px 1px; }")
            .arg(kTextColour)
            .arg(c.SSTCfg->tabBar()->height() - 2));
    for (QFrame* f : {c.FrameWizard, c.FormWait, c.FrameDescPreview}) {
        f->setAutoFillBackground(true);
        f->setStyleSheet(QStringLiteral("QFrame#%1 { background: #f4f7fb; border: 1px solid "
                                        "#3d5a80; border-radius: 4px; } QLabel { color: %2; }")
                             .arg(f->objectName(), kTextColour));
    }
}

} // namespace

PanelControls createPanelControls(QWidget* form, const platform::Units& u) {
    PanelControls c;
    NIMBRISCO_NAMED(SSTCfg, new PanelTabs(form));
    NIMBRISCO_NAMED(pageDisplayTimers, new QWidget);
    NIMBRISCO_NAMED(pagePictureSelection, new QWidget);
    NIMBRISCO_NAMED(pageRunExit, new QWidget);
    NIMBRISCO_NAMED(pageTools, new QWidget);
    c.SSTCfg->addTab(c.pageDisplayTimers, QStringLiteral("Display Timers"));
    c.SSTCfg->addTab(c.pagePictureSelection, QStringLiteral("Picture   Selection"));
    c.SSTCfg->addTab(c.pageRunExit, QStringLiteral("Run / Exit"));
    c.SSTCfg->addTab(c.pageTools, QStringLiteral("Tools - Language"));
    c.SSTCfg->tabBar()->setFixedHeight(u.twipsToPixels(kBackgroundTop));
    tw::setWidth(c.SSTCfg, u, kPanelWidth);
    tw::setHeight(c.SSTCfg, u, kPanelHeight);

    PageMaker timers(c.pageDisplayTimers, u);
    makeDisplayTimersPage(c, timers);
    PageMaker pictures(c.pagePictureSelection, u);
    makePictureSelectionPage(c, pictures);
    PageMaker run(c.pageRunExit, u);
    makeRunExitPage(c, run);
    PageMaker tools(c.pageTools, u);
    makeToolsPage(c, tools);
    makeFrames(c, form, u);
    styleThePanel(c);
    c.SSTCfg->hide();
    return c;
}

std::vector<std::pair<ClickLabel*, ClickLabel*>> iconCaptions(const PanelControls& c) {
    return {
        {c.SSTCfg_Download, c.SSTCfg_Download2},
        {c.SSTCfg_Aggiorna, c.SSTCfg_Aggiorna2},
        {c.dyMode, c.dyMode2},
        {c.helpTime, c.helpTime2},
        {c.LittleTool00, c.TextDisplayTimers0},
        {c.LittleTool02, c.TextPictureSelection0},
        {c.LittleTool03, c.TextRunExit0},
        {c.Image3, c.TextTool3},
        {c.SSTCfg_FileUser, c.SSTCfg_FileUser2},
        {c.SSTCfg_resetUserImg, c.SSTCfg_resetUserImg2},
        {c.helpImg, c.helpImg2},
        {c.SSTCfg_BackUpcnf, c.SSTCfg_Backupconf},
        {c.SSTCfg_Loadcnf, c.SSTCfg_Loadconf},
        {c.ClearListDB, c.Label11},
        {c.SSTCfg_cmdConferma, c.SSTCfg_cmdConferma2},
        {c.SSTCfg_cmdConferma_BW, c.SSTCfg_cmdConferma2},
        {c.SSTCfg_ExitProgram, c.SSTCfg_ExitProgram2},
        {c.SSTCfg_ExitProgram_BW, c.SSTCfg_ExitProgram2},
        {c.SSTCfg_salvaConfig, c.SSTCfg_salvaConfig2},
        {c.zepStatusBar, c.zepStatusBar2},
        {c.helpEsegui, c.helpEsegui2},
        {c.YourTownIco, c.YourTownLbl},
        {c.Cleanup, c.Cleanup2},
        {c.LittleTool30, c.TextDisplayTimers3},
        {c.LittleTool32, c.TextPictureSelection3},
        {c.LittleTool33, c.TextRunExit3},
        {c.IcoSwapSST0, c.IcoSwapSST02},
        {c.IcoSwapSST2, c.IcoSwapSST22},
        {c.IcoSwapSST3, c.IcoSwapSST32},
        {c.RunTeamViewer, c.IcoHelpTools2},
        {c.IcoSwapSST6, c.LabelLanguage},
    };
}

#undef NIMBRISCO_NAMED
