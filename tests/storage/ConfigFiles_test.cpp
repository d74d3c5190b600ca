// The display-settings and selection files: validation messages and their order, exact bytes,
// loading, failures, the first-run selection, saveAll and the selected-index list.

#include "FormFixture.h"

#include "core/ClickLabel.h"
#include "storage/ConfigFiles.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

namespace {

const QString kConfig = ConfigFiles::kConfigFile;
const QString kList = ConfigFiles::kPictureListFile;

class ConfigFilesTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        state().Lingua = 1; // so the messages are shown
        state().RUNNING_MODE = 1;
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        FormFixture::TearDown();
    }

    ConfigFiles& config() { return form().configFiles(); }
    PanelControls& panel() { return form().panel; }

    void setTimers(const QString& download, const QString& slide) {
        panel().SSTCfg_timeDwLoad->setText(download);
        panel().SSTCfg_timeRefresh->setText(slide);
        panel().txtDisplay->setText("Full_Screen");
    }
    // The value lines of the configuration file.
    QStringList configLines() const {
        return QString::fromLatin1(readWorkFile(kConfig)).split("\r\n");
    }
    void fillList(int items) {
        for (int i = 0; i < items; ++i)
            panel().Tabella_Mappe_Selezionate->addItem(QStringLiteral("entry %1").arg(i));
    }
};

} // namespace

TEST_F(ConfigFilesTest, DownloadTimeChecksShowTheirMessageAndStore15) {
    struct Case {
        const char* text;
        QStringList messages;
        const char* stored;
    };
    const Case cases[] = {
        {"abc", {"Invalid Download Time."}, "15"},
        {"15abc", {"Invalid Download Time."}, "15"},
        {"", {"Invalid Download Time."}, "15"},
        {"nan", {"Invalid Download Time."}, "15"},
        {"10", {"Download Timer too small."}, "15"},
        {"14.9", {"Download Timer too small."}, "15"},
        {"15", {}, "15"},
        {"60", {}, "60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages().clear();
        setTimers(c.text, "8");
        config().SaveConfiguration();
        EXPECT_EQ(messages().texts(), c.messages);
        EXPECT_EQ(configLines().value(0), c.stored);
        EXPECT_EQ(panel().SSTCfg_timeDwLoad->text(), c.stored);
    }
}

TEST_F(ConfigFilesTest, SlideTimeChecksShowTheirMessageAndStore8) {
    struct Case {
        const char* text;
        QStringList messages;
        const char* stored;
    };
    const Case cases[] = {
        {"0", {"Slide Show Timer too small."}, "8"},
        {"0.5", {"Slide Show Timer too small."}, "8"},
        {"-3", {"Slide Show Timer too small."}, "8"},
        {"x", {"Slide Show Timer not valid."}, "8"},
        {"1", {}, "1"},
        {"30", {}, "30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages().clear();
        setTimers("15", c.text);
        config().SaveConfiguration();
        EXPECT_EQ(messages().texts(), c.messages);
        EXPECT_EQ(configLines().value(1), c.stored);
    }
}

TEST_F(ConfigFilesTest, DownloadMessagesComeBeforeSlideMessages) {
    setTimers("5", "abc");
    config().SaveConfiguration();
    EXPECT_EQ(messages().texts(),
              (QStringList{"Download Timer too small.", "Slide Show Timer not valid."}));
}

TEST_F(ConfigFilesTest, NumbersFollowTheUserLocaleWithTheCLocaleAsFallback) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setTimers("20,5", "2.5");
    config().SaveConfiguration();
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_EQ(configLines().mid(0, 2), (QStringList{"20,5", "2.5"}));
}

TEST_F(ConfigFilesTest, ConfigFileHoldsThreeValueLinesThenTwoEmptyLines) {
    setTimers("15", "8");
    config().SaveConfiguration();
    EXPECT_EQ(readWorkFile(kConfig), QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));

    // Reading it back gives an empty own-picture path from the first empty line.
    state().OwnPicturePath = "stale";
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().RUNNING_MODE, 1);
    EXPECT_EQ(state().OwnPicturePath, "");
    EXPECT_EQ(state().fullScreenFlag, 1);
    EXPECT_EQ(panel().txtDisplay->text(), "Full_Screen");
}

TEST_F(ConfigFilesTest, OwnPictureIsTheFourthLineInLatin1AndAnyOtherModeIsNormal) {
    setTimers("20", "9");
    panel().txtDisplay->setText("Stretch");
    panel().SSTCfg_LblinserisciImg->setText(QString::fromUtf8("/home/anna/Météo.jpg"));
    config().SaveConfiguration();
    EXPECT_EQ(readWorkFile(kConfig), QByteArray("20\r\n9\r\nNormal\r\n/home/anna/M\xe9t\xe9o.jpg"
                                                "\r\n\r\n\r\n"));

    panel().SSTCfg_LblinserisciImg->clear();
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().OwnPicturePath, QString::fromUtf8("/home/anna/Météo.jpg"));
    EXPECT_EQ(panel().SSTCfg_LblinserisciImg->text(), state().OwnPicturePath);
    EXPECT_EQ(state().fullScreenFlag, 0);
}

TEST_F(ConfigFilesTest, LowerCaseFullScreenLoadsAsNormal) {
    writeWorkFile(kConfig, "30\r\n5\r\nfull_screen\r\n\r\n\r\n");
    state().fullScreenFlag = 1;
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().fullScreenFlag, 0);
    EXPECT_EQ(panel().txtDisplay->text(), "Normal");
    EXPECT_EQ(panel().SSTCfg_timeDwLoad->text(), "30");
    EXPECT_EQ(panel().SSTCfg_timeRefresh->text(), "5");
}

TEST_F(ConfigFilesTest, ShortConfigFileFailsTheLoadAndDeletesTheConfigurationFiles) {
    writeWorkFile(kConfig, "15\r\n8\r\nFull_Screen\r\n");
    writeWorkFile(kList, "0\r\n1\r\n\r\n\r\n");
    writeWorkFile(ProxySettings::kProxyFile, "\r\n\r\n\r\n\r\n0\r\n");
    writeWorkFile(LanguageSettings::kLanguageFile, " 1");
    writeWorkFile(ProxySettings::kProxyBackupFile, "\r\n\r\n\r\n\r\n0\r\n");
    writeWorkFile("Nimbrisco7_MyTown.dat", "Courmayeur\r\n");
    form().imgClock.start();

    EXPECT_FALSE(config().LoadConfiguration());
    EXPECT_EQ(state().RUNNING_MODE, 2);
    EXPECT_FALSE(form().imgClock.isActive());
    for (const QString& name :
         {kConfig, kList, ProxySettings::kProxyFile, LanguageSettings::kLanguageFile})
        EXPECT_FALSE(workFileExists(name)) << name.toStdString();
    EXPECT_TRUE(workFileExists(ProxySettings::kProxyBackupFile));
    EXPECT_TRUE(workFileExists("Nimbrisco7_MyTown.dat"));
}

TEST_F(ConfigFilesTest, MissingConfigFileFailsTheLoad) {
    EXPECT_FALSE(config().LoadConfiguration());
    EXPECT_EQ(state().RUNNING_MODE, 2);
}

TEST_F(ConfigFilesTest, FirstRunWritesTheDefaultSelectionWhateverTheListHolds) {
    fillList(6);
    panel().Tabella_Mappe_Selezionate->item(5)->setSelected(true);
    state().RUNNING_MODE = 2;
    setTimers("15", "8");
    config().SaveConfiguration();
    EXPECT_EQ(readWorkFile(kList), QByteArray("0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n\r\n\r\n"));
    EXPECT_EQ(config().selectedIndexCount(), 0);
}

TEST_F(ConfigFilesTest, SelectionFileHoldsPositionAndIdOfEverySelectedEntry) {
    fillList(8);
    state().listIdEntry[0] = 12;
    state().listIdEntry[7] = 40;
    panel().Tabella_Mappe_Selezionate->item(7)->setSelected(true);
    panel().Tabella_Mappe_Selezionate->item(0)->setSelected(true);
    state().weAre = "w w w";
    setTimers("15", "8");
    config().SaveConfiguration();

    EXPECT_EQ(readWorkFile(kList), QByteArray("0\r\n12\r\n7\r\n40\r\n\r\n\r\n"));
    ASSERT_EQ(config().selectedIndexCount(), 2);
    EXPECT_EQ(state().listIdCopyright[0], 1);
    EXPECT_EQ(state().listIdCopyright[1], 8);
    EXPECT_TRUE(state().LastUpdate.startsWith(" - RFRS:"));
    EXPECT_TRUE(state().statusLine1.startsWith("w w w - RFRS:"));
    EXPECT_EQ(state().statusLine2, ". . . ");
}

TEST_F(ConfigFilesTest, EmptySelectionIsOnlyTheTwoEmptyLines) {
    fillList(3);
    setTimers("15", "8");
    config().SaveConfiguration();
    EXPECT_EQ(readWorkFile(kList), QByteArray("\r\n\r\n"));
}

TEST_F(ConfigFilesTest, SelectionOnDiskSurvivesASaveBeforeThePanelLoadedTheCatalogue) {
    writeWorkFile(kList, "7\r\n40\r\n\r\n\r\n");
    state().RUNNING_MODE = 1;
    setTimers("20", "8");
    config().SaveConfiguration(); // the list box is still empty
    EXPECT_EQ(readWorkFile(kList), QByteArray("7\r\n40\r\n\r\n\r\n"));
    EXPECT_TRUE(readWorkFile(kConfig).startsWith("20\r\n8\r\n"));
}

TEST_F(ConfigFilesTest, WriteErrorShowsTheMessageStopsTheClockAndDeletesTheFiles) {
    ASSERT_TRUE(QDir().mkpath(workPath(kConfig))); // a folder where the file should go
    writeWorkFile(LanguageSettings::kLanguageFile, " 1");
    form().imgClock.start();
    setTimers("15", "8");
    config().SaveConfiguration();
    EXPECT_EQ(messages().texts(), QStringList{"ERROR WRITING CONFIGURATION FILES!"});
    EXPECT_FALSE(form().imgClock.isActive());
    EXPECT_FALSE(workFileExists(kList));
    EXPECT_FALSE(workFileExists(LanguageSettings::kLanguageFile));
}

TEST_F(ConfigFilesTest, SaveAllSavesWaitsAndReenablesOnlyStartAndQuit) {
    PanelControls& p = panel();
    setTimers("15", "8");
    state().configDirty = 1;
    bool savedBeforeWait = false;
    bool disabledDuringWait = false;
    clock().onSleep = [&](int) {
        savedBeforeWait = workFileExists(kConfig);
        disabledDuringWait =
            !p.SSTCfg_salvaConfig->isEnabled() && !p.SSTCfg_salvaConfig2->isEnabled() &&
            !p.SSTCfg_cmdConferma->isEnabled() && !p.SSTCfg_ExitProgram->isEnabled();
    };
    config().saveAll();
    EXPECT_TRUE(savedBeforeWait);
    EXPECT_TRUE(disabledDuringWait);
    EXPECT_EQ(clock().sleptMs(), 500);
    EXPECT_FALSE(p.SSTCfg_salvaConfig->isEnabled());
    EXPECT_FALSE(p.SSTCfg_salvaConfig2->isEnabled());
    EXPECT_TRUE(p.SSTCfg_cmdConferma->isEnabled());
    EXPECT_TRUE(p.SSTCfg_ExitProgram->isEnabled());
    EXPECT_EQ(state().configDirty, 0);
}

TEST_F(ConfigFilesTest, SelectedIndexListStopsAtSlot2000AndResetClearsIt) {
    config().RecordSelectedIndex(true);
    for (int i = 0; i < 2100; ++i)
        config().RecordSelectedIndex(false, static_cast<Integer>(i + 1));
    EXPECT_EQ(config().selectedIndexCount(), 2001);
    EXPECT_EQ(state().listIdCopyright[0], 1);
    EXPECT_EQ(state().listIdCopyright[2000], 2001);

    config().RecordSelectedIndex(true);
    EXPECT_EQ(config().selectedIndexCount(), 0);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(state().listIdCopyright[i], 0) << i;
}

TEST_F(ConfigFilesTest, FirstStartInAnEmptyRootWritesTheDefaults) {
    rebuildForm(QString());
    loadForm();
    EXPECT_EQ(readWorkFile(kConfig), QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));
    EXPECT_EQ(readWorkFile(kList), QByteArray("0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n\r\n\r\n"));
    EXPECT_EQ(state().RUNNING_MODE, 1);
}
