// Moving between the panel's pages with real clicks: the navigation table, every caption label
// doing what its icon does (and the listed exceptions), the page change with the Save icon, the
// online help pages by language.
#include "PanelFixture.h"

#include "base/ClickLabel.h"
#include "core/PanelControl.h"

#include "i18n/LanguageChoice.h"
#include "storage/ConfigFiles.h"
#include "storage/TownSettings.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>

namespace {

class PanelNavigationTest : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(openPanel());
        // The next tick makes the start and quit icons usable.
        form().parts().panelControl->panControl_Timer();
        messages().clear();
    }

    QWidget* page(const char* name) { return form().findChild<QWidget*>(name); }
    ClickLabel* control(const char* name) { return form().findChild<ClickLabel*>(name); }
    QWidget* current() { return panel().SSTCfg->currentWidget(); }
};

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            ++shows;
        return QObject::eventFilter(o, e);
    }
};

} // namespace

TEST_F(PanelNavigationTest, EveryRowOfTheNavigationTableOpensItsPage) {
    struct Row {
        const char* control;
        const char* on;
        const char* opens;
    };
    const Row rows[] = {
        {"IcoSwapSST0", "pageTools", "pageDisplayTimers"},
        {"IcoSwapSST02", "pageTools", "pageDisplayTimers"},
        {"IcoSwapSST2", "pageTools", "pagePictureSelection"},
        {"IcoSwapSST22", "pageTools", "pagePictureSelection"},
        {"IcoSwapSST3", "pageTools", "pageRunExit"},
        {"IcoSwapSST32", "pageTools", "pageRunExit"},
        {"TextTool5", "pageTools", "pageTools"},
        {"LittleTool00", "pageDisplayTimers", "pageDisplayTimers"},
        {"TextDisplayTimers0", "pageDisplayTimers", "pageDisplayTimers"},
        {"LittleTool02", "pageDisplayTimers", "pagePictureSelection"},
        {"TextPictureSelection0", "pageDisplayTimers", "pagePictureSelection"},
        {"LittleTool03", "pageDisplayTimers", "pageRunExit"},
        {"TextRunExit0", "pageDisplayTimers", "pageRunExit"},
        {"TextTool1", "pageDisplayTimers", "pageTools"},
        {"TextTool3", "pagePictureSelection", "pageTools"},
        {"Image3", "pagePictureSelection", "pageTools"},
        {"LittleTool30", "pageRunExit", "pageDisplayTimers"},
        {"TextDisplayTimers3", "pageRunExit", "pageDisplayTimers"},
        {"LittleTool32", "pageRunExit", "pagePictureSelection"},
        {"TextPictureSelection3", "pageRunExit", "pagePictureSelection"},
        {"LittleTool33", "pageRunExit", "pageRunExit"},
        {"TextRunExit3", "pageRunExit", "pageRunExit"},
        {"TextTool4", "pageRunExit", "pageTools"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        clickTab(page(row.on));
        ASSERT_EQ(current(), page(row.on));
        ClickLabel* c = control(row.control);
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->isVisible());
        click(c);
        EXPECT_EQ(current(), page(row.opens));
    }

    // The town frame's country hint leads to the Tools page as well.
    clickTab(panel().pageRunExit);
    click(panel().YourTownIco);
    ClickLabel* hint = form().parts().townSettings->frame().Label5;
    ASSERT_TRUE(hint->isVisible());
    click(hint);
    EXPECT_EQ(current(), panel().pageTools);

    // The titles do not react.
    for (const char* title : {"TextDisplayTimers", "TextPictureSelection", "TextRunExit"}) {
        clickTab(panel().pageTools);
        EXPECT_EQ(form().findChild<QLabel*>(title)->metaObject()->className(),
                  QStringLiteral("QLabel"))
            << title;
    }
}

TEST_F(PanelNavigationTest, EveryCaptionLabelDoesWhatItsIconDoes) {
    // What a click leaves behind, to compare the label's click with the icon's.
    using Effect = std::function<QString()>;
    struct Row {
        const char* label;
        const char* icon;
        const char* page;
        Effect effect;
    };
    const auto opened = [this] {
        QStringList s;
        for (const QString& o : shell().opened)
            s << o;
        shell().opened.clear();
        return s.join(',');
    };
    const auto started = [this] {
        QStringList s;
        for (const auto& st : shell().started)
            s << st.program;
        shell().started.clear();
        messages().clear();
        return s.join(',');
    };
    const auto shownTexts = [this] {
        const QString s = messages().texts().join('|');
        messages().clear();
        return s;
    };
    const auto focusAndColours = [this] {
        const PanelControls& p = panel();
        return QStringLiteral("%1 %2 %3")
            .arg(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-")
            .arg(p.SSTCfg_timeDwLoad->BackColor())
            .arg(p.SSTCfg_timeRefresh->BackColor());
    };
    const auto displayMode = [this] {
        const QString s = panel().txtDisplay->text();
        panel().txtDisplay->setText("Normal");
        return s;
    };
    const auto dialogs = [this] {
        const QString s = QString::number(fileDialogs().calls.size()) + state().OwnPicturePath;
        fileDialogs().calls.clear();
        return s;
    };
    const auto command = [this] {
        const QString s = QString::number(state().flagCmdButton);
        state().flagCmdButton = 3;
        return s;
    };
    const auto townFrame = [this] {
        QWidget* frame = form().parts().townSettings->frame().FormYourTown;
        const QString s = frame->isVisible() ? "shown" : "hidden";
        frame->hide();
        return s;
    };
    const auto ownPicture = [this] {
        const QString s = panel().SSTCfg_LblinserisciImg->text() + "|" + state().OwnPicturePath;
        panel().SSTCfg_LblinserisciImg->setText("/old.jpg");
        state().OwnPicturePath = "/old.jpg";
        return s;
    };
    fileDialogs().answer = root() + "chosen.jpg";
    messages().defaultAnswer = false;
    const Row rows[] = {
        {"IcoHelpTools2", "RunTeamViewer", "pageTools", started},
        {"helpTime2", "helpTime", "pageDisplayTimers", opened},
        {"helpImg2", "helpImg", "pagePictureSelection", opened},
        {"helpEsegui2", "helpEsegui", "pageRunExit", opened},
        {"zepStatusBar2", "zepStatusBar", "pageRunExit", opened},
        {"SSTCfg_Download2", "SSTCfg_Download", "pageDisplayTimers", focusAndColours},
        {"SSTCfg_Aggiorna2", "SSTCfg_Aggiorna", "pageDisplayTimers", focusAndColours},
        {"dyMode2", "dyMode", "pageDisplayTimers", displayMode},
        {"SSTCfg_FileUser2", "SSTCfg_FileUser", "pagePictureSelection", dialogs},
        {"SSTCfg_resetUserImg2", "SSTCfg_resetUserImg", "pagePictureSelection", ownPicture},
        {"SSTCfg_ExitProgram2", "SSTCfg_ExitProgram", "pageRunExit", command},
        {"Cleanup2", "Cleanup", "pageRunExit", shownTexts},
        {"YourTownLbl", "YourTownIco", "pageRunExit", townFrame},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        clickTab(page(row.page));
        ownPicture();
        panel().txtDisplay->setText("Normal");
        messages().clear();
        click(control(row.icon));
        const QString byIcon = row.effect();
        click(control(row.label));
        const QString byLabel = row.effect();
        EXPECT_FALSE(byIcon.isEmpty());
        EXPECT_EQ(byLabel, byIcon);
    }

    // The language icon and its label both run the switching sequence.
    LanguageChoice& choice = *form().parts().languageChoice;
    int asked = 0;
    clock().onSleep = [&](int) {
        if (choice.frame().Frame_Select_Language->isVisible()) {
            ++asked;
            click(choice.frame().Italian_02);
        }
    };
    clickTab(panel().pageTools);
    click(panel().IcoSwapSST6);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(state().Lingua, 2);
    click(panel().LabelLanguage);
    EXPECT_EQ(asked, 2);
    clock().onSleep = nullptr;
    // The icons are named after their captions, in the language now in force.
    EXPECT_EQ(panel().IcoSwapSST0->accessibleName(), QStringLiteral("Timer Diapositive"));
}

TEST_F(PanelNavigationTest, TheStartAndItsCaptionBothStartAndTheClearLabelClearsAlone) {
    // With nothing selected, the start of either says so and opens the panel again.
    panel().Tabella_Mappe_Selezionate->clearSelection();
    for (ClickLabel* start : {panel().SSTCfg_cmdConferma, panel().SSTCfg_cmdConferma2}) {
        SCOPED_TRACE(start->objectName().toStdString());
        clickTab(panel().pageRunExit);
        messages().clear();
        click(start);
        EXPECT_TRUE(messages().texts().contains(
            QStringLiteral("Error: you have to check at least one Image from list!")));
        EXPECT_TRUE(panel().SSTCfg->isVisible());
        EXPECT_EQ(current(), panel().pageTools);
        form().parts().panelControl->panControl_Timer(); // the start and quit icons are usable
    }

    clickTab(panel().pagePictureSelection);
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    list->item(2)->setSelected(true);
    messages().clear();
    click(panel().ClearListDB);
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_TRUE(messages().shown.empty());
    state().configDirty = 0;
    click(panel().Label11);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(messages().texts(),
              QStringList{"List cleaned - please select min. 2 pictures or load collection"});
    EXPECT_EQ(messages().last().title, QStringLiteral("Nimbrisco"));
    EXPECT_EQ(messages().last().icon, platform::MsgIcon::None);
    // The clear alone does not make the configuration changed: Save stays off.
    clickTab(panel().pageRunExit);
    EXPECT_FALSE(panel().SSTCfg_salvaConfig->isEnabled());
}

TEST_F(PanelNavigationTest, SaveIsOnAfterAnEditOnlyAndItsIconAloneRunsTheSaveBar) {
    PanelControls& p = panel();
    // The opening marks the configuration changed: the first page change turns Save on.
    clickTab(p.pageRunExit);
    EXPECT_TRUE(p.SSTCfg_salvaConfig->isEnabled());
    EXPECT_TRUE(p.SSTCfg_salvaConfig2->isEnabled());

    // The label saves without the bar.
    ShowCounter bar(p.BarSaveAllFG);
    click(p.SSTCfg_salvaConfig2);
    EXPECT_EQ(state().configDirty, 0);
    EXPECT_EQ(bar.shows, 0);
    EXPECT_FALSE(p.SSTCfg_salvaConfig->isEnabled());
    clickTab(p.pageTools);
    clickTab(p.pageRunExit);
    EXPECT_FALSE(p.SSTCfg_salvaConfig->isEnabled());
    EXPECT_FALSE(p.SSTCfg_salvaConfig2->isEnabled());

    // An edit, then a page change: Save is on again; its icon saves and runs the bar.
    clickTab(p.pageDisplayTimers);
    click(p.SSTCfg_timeRefresh);
    EXPECT_EQ(state().configDirty, 0);
    QTest::keyClick(p.SSTCfg_timeRefresh, Qt::Key_9);
    EXPECT_EQ(state().configDirty, 1);
    clickTab(p.pageRunExit);
    ASSERT_TRUE(p.SSTCfg_salvaConfig->isEnabled());
    click(p.SSTCfg_salvaConfig);
    EXPECT_EQ(bar.shows, 1);
    EXPECT_TRUE(p.BarSaveAllFG->isHidden());
    EXPECT_TRUE(readWorkFile(ConfigFiles::kConfigFile).startsWith("15\r\n89\r\n"));

    // Every page change shows the collection icons and their labels.
    p.SSTCfg_Loadcnf->hide();
    p.SSTCfg_Backupconf->setEnabled(false);
    clickTab(p.pagePictureSelection);
    EXPECT_TRUE(p.SSTCfg_Loadcnf->isVisible());
    EXPECT_TRUE(p.SSTCfg_Backupconf->isEnabled());
}

TEST_F(PanelNavigationTest, TheHelpIconsOpenThePageOfTheLanguageAndSpanishHasOnlyOne) {
    struct Row {
        const char* icon;
        const char* page;
        const char* pages[4];
    };
    const Row rows[] = {
        {"helpTime",
         "pageDisplayTimers",
         {"eng_help6.asp", "ita_help6.asp", "fra_help6.asp", "spa_help1.asp"}},
        {"helpImg",
         "pagePictureSelection",
         {"eng_help3.asp", "ita_help3.asp", "fra_help3.asp", "spa_help1.asp"}},
        {"helpEsegui",
         "pageRunExit",
         {"eng_help1.asp", "ita_help1.asp", "fra_help1.asp", "spa_help1.asp"}},
        {"zepStatusBar",
         "pageRunExit",
         {"eng_help1.asp", "ita_help1.asp", "fra_help1.asp", "spa_help1.asp"}},
    };
    for (const Row& row : rows) {
        clickTab(page(row.page));
        for (int lingua = 1; lingua <= 4; ++lingua) {
            SCOPED_TRACE(std::string(row.icon) + " " + std::to_string(lingua));
            state().Lingua = static_cast<Integer>(lingua);
            shell().opened.clear();
            click(control(row.icon));
            ASSERT_EQ(shell().opened.size(), 1u);
            EXPECT_TRUE(shell().opened[0].startsWith("http://"));
            EXPECT_TRUE(shell().opened[0].endsWith(QStringLiteral("/") + row.pages[lingua - 1]));
        }
        // Without a language nothing opens; a page the shell cannot open changes nothing.
        state().Lingua = 999;
        shell().opened.clear();
        click(control(row.icon));
        EXPECT_TRUE(shell().opened.empty());
        state().Lingua = 1;
        shell().openResult = 31;
        click(control(row.icon));
        EXPECT_TRUE(messages().shown.empty());
        shell().openResult = 33;
    }

    // The timers page's help first puts its four boxes at rest.
    clickTab(panel().pageDisplayTimers);
    click(panel().SSTCfg_Download);
    panel().txtDisplay->setText("Normal");
    click(panel().helpTime);
    for (TextBox* box : {panel().SSTCfg_timeDwLoad, panel().SSTCfg_timeRefresh, panel().txtDisplay,
                         panel().txtDisplay2})
        EXPECT_EQ(box->BackColor(), 15111037) << box->objectName().toStdString();
}
