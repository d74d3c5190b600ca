// The display-settings and selection files: validation messages, exact bytes, loading, failures,
// saveAll, the selected-index list and the clean-up in each language.

#include "FormFixture.h"

#include "base/ClickLabel.h"
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
// What a failed load or a clean-up deletes, and what it leaves for the next start to offer.
const QStringList kDeleted = {kList, kConfig, ProxySettings::kProxyFile,
                              LanguageSettings::kLanguageFile};
const QStringList kKept = {ProxySettings::kProxyBackupFile, "Nimbrisco7_MyTown.dat"};

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

    ConfigFiles& config() { return *form().parts().configFiles; }
    PanelControls& panel() { return form().parts().panel; }

    void save(const QString& download, const QString& slide, const QString& mode = "Full_Screen") {
        panel().SSTCfg_timeDwLoad->setText(download);
        panel().SSTCfg_timeRefresh->setText(slide);
        panel().txtDisplay->setText(mode);
        config().SaveConfiguration();
    }
    QStringList configLines() const {
        return QString::fromLatin1(readWorkFile(kConfig)).split("\r\n");
    }
    void writeAllFiles() {
        for (const QString& name : kDeleted + kKept)
            writeWorkFile(name, "x\r\n");
    }
    void expectDeleted(bool deleted) {
        for (const QString& name : kDeleted)
            EXPECT_EQ(workFileExists(name), !deleted) << name.toStdString();
        for (const QString& name : kKept)
            EXPECT_TRUE(workFileExists(name)) << name.toStdString();
    }
};

} // namespace

TEST_F(ConfigFilesTest, TimerChecksShowTheirMessagesInOrderAndStoreTheDefaults) {
    const struct {
        const char* download;
        const char* slide;
        QStringList messages;
        const char* storedDownload;
        const char* storedSlide;
    } cases[] = {
        {"15abc", "1", {"Invalid Download Time."}, "15", "1"},
        {"nan", "8", {"Invalid Download Time."}, "15", "8"},
        {"14.9", "8", {"Download Timer too small."}, "15", "8"},
        {"15", "0.5", {"Slide Show Timer too small."}, "15", "8"},
        {"5", "x", {"Download Timer too small.", "Slide Show Timer not valid."}, "15", "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.download) + " / " + c.slide);
        messages().clear();
        save(c.download, c.slide);
        EXPECT_EQ(messages().texts(), c.messages);
        EXPECT_EQ(configLines().mid(0, 2), (QStringList{c.storedDownload, c.storedSlide}));
    }

    // A point or a comma is the decimal separator under every locale, and nothing groups
    // thousands: "1.000" is one minute, as the download counter reads it.
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Italian, QLocale::Italy), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        messages().clear();
        save("20,5", "2.5");
        EXPECT_TRUE(messages().shown.empty());
        EXPECT_EQ(configLines().mid(0, 2), (QStringList{"20,5", "2.5"}));
        messages().clear();
        save("1.000", "1,000");
        EXPECT_EQ(messages().texts(), QStringList{"Download Timer too small."});
        EXPECT_EQ(configLines().mid(0, 2), (QStringList{"15", "1,000"}));
    }
}

TEST_F(ConfigFilesTest, ConfigFileBytesAndReadingThemBack) {
    save("15", "8");
    EXPECT_EQ(readWorkFile(kConfig), QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));
    // The first empty line reads as an empty own-picture path.
    state().OwnPicturePath = "stale";
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().OwnPicturePath, "");
    EXPECT_EQ(state().fullScreenFlag, 1);

    // The own picture is a fourth line in Latin-1; any mode but Full_Screen is Normal.
    panel().SSTCfg_LblinserisciImg->setText(QString::fromUtf8("/home/anna/Météo.jpg"));
    save("20", "9", "Stretch");
    EXPECT_EQ(readWorkFile(kConfig),
              QByteArray("20\r\n9\r\nNormal\r\n/home/anna/M\xe9t\xe9o.jpg\r\n\r\n\r\n"));
    panel().SSTCfg_LblinserisciImg->clear();
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().OwnPicturePath, QString::fromUtf8("/home/anna/Météo.jpg"));
    EXPECT_EQ(state().fullScreenFlag, 0);

    writeWorkFile(kConfig, "30\r\n5\r\nfull_screen\r\n\r\n\r\n");
    state().fullScreenFlag = 1;
    ASSERT_TRUE(config().LoadConfiguration());
    EXPECT_EQ(state().fullScreenFlag, 0);
}

TEST_F(ConfigFilesTest, OwnPictureBeyondLatin1OrWithALineEndInItsNameLoadsBackExactly) {
    for (const QString& ownPicture : {QString::fromUtf8("/home/иван/Фото/pic.jpg"),
                                      QStringLiteral("/home/anna/two\nlines\r\n.jpg")}) {
        SCOPED_TRACE(ownPicture.toStdString());
        panel().SSTCfg_LblinserisciImg->setText(ownPicture);
        save("20", "9");
        // Four values and the two empty lines, whatever the name holds.
        EXPECT_EQ(readWorkFile(kConfig).count("\r\n"), 6);
        panel().SSTCfg_LblinserisciImg->clear();
        ASSERT_TRUE(config().LoadConfiguration());
        EXPECT_EQ(state().OwnPicturePath, ownPicture);
        EXPECT_EQ(panel().SSTCfg_LblinserisciImg->text(), ownPicture);
    }
}

TEST_F(ConfigFilesTest, MissingOrShortConfigFileFailsTheLoadAndDeletesTheConfiguration) {
    EXPECT_FALSE(config().LoadConfiguration());
    EXPECT_EQ(state().RUNNING_MODE, 2);

    state().RUNNING_MODE = 1;
    writeAllFiles();
    writeWorkFile(kConfig, "15\r\n8\r\nFull_Screen\r\n");
    form().parts().timers.imgClock.start();
    EXPECT_FALSE(config().LoadConfiguration());
    EXPECT_EQ(state().RUNNING_MODE, 2);
    EXPECT_FALSE(form().parts().timers.imgClock.isActive());
    expectDeleted(true);
}

TEST_F(ConfigFilesTest, SelectionFileHoldsPositionAndIdOfEverySelectedEntry) {
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    for (int i = 0; i < 8; ++i)
        list->addItem(QStringLiteral("entry %1").arg(i));
    save("15", "8");
    EXPECT_EQ(readWorkFile(kList), QByteArray("\r\n\r\n"));

    state().listIdEntry[0] = 12;
    state().listIdEntry[7] = 40;
    list->item(7)->setSelected(true);
    list->item(0)->setSelected(true);
    save("15", "8");
    EXPECT_EQ(readWorkFile(kList), QByteArray("0\r\n12\r\n7\r\n40\r\n\r\n\r\n"));
    ASSERT_EQ(config().selectedIndexCount(), 2);
    EXPECT_EQ(state().listIdCopyright[1], 8);
}

TEST_F(ConfigFilesTest, WriteErrorShowsTheMessageStopsTheClockAndDeletesTheFiles) {
    ASSERT_TRUE(QDir().mkpath(workPath(kConfig))); // a folder where the file should go
    writeWorkFile(LanguageSettings::kLanguageFile, " 1");
    form().parts().timers.imgClock.start();
    save("15", "8");
    EXPECT_EQ(messages().texts(),
              QStringList{"ERROR WRITING CONFIGURATION FILES!\r\n" + workPath(kConfig)});
    EXPECT_FALSE(form().parts().timers.imgClock.isActive());
    EXPECT_FALSE(workFileExists(kList));
    EXPECT_FALSE(workFileExists(LanguageSettings::kLanguageFile));
}

TEST_F(ConfigFilesTest, SaveAllSavesWaitsAndReenablesOnlyStartAndQuit) {
    PanelControls& p = panel();
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
    EXPECT_EQ(state().listIdCopyright[2000], 2001);

    config().RecordSelectedIndex(true);
    EXPECT_EQ(config().selectedIndexCount(), 0);
    EXPECT_EQ(state().listIdCopyright[1999], 0);
}

TEST_F(ConfigFilesTest, RefreshStampKeepsItsSecondsAndOneFormUnderEveryLocale) {
    clock().advance(7000);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::Italian, QLocale::Italy), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        config().RecordSelectedIndex(true);
        EXPECT_EQ(state().LastUpdate, " - RFRS:2024-03-01 12:00:07");
        EXPECT_TRUE(state().statusLine1.endsWith(state().LastUpdate));
    }
}

TEST_F(ConfigFilesTest, CleanupAsksInEachLanguageAndDeletesOnlyWhenConfirmed) {
    const struct {
        int lingua;
        bool confirm;
        QStringList boxes; // title and text of the question, then of the answer
    } cases[] = {
        {1,
         true,
         {"WARNING!", "If you confirm, all configuration files will be deleted\r\n\r\nWARNING",
          "Warning!", "Configuration cleaned, please restart Nimbrisco"}},
        {2,
         false,
         {"Attenzione!",
          "Se confermi verranno cancellati tutti i files di configurazione.\r\n\r\nATTENZIONE",
          "Attenzione!", "Restart annullato"}},
        {3,
         false,
         {"ATTENTION!!",
          " Si vous confirmez, tous les fichiers de configuration seront "
          "supprimés\r\n\r\nATTENTION",
          "Attention !", "Restart Not executed"}},
        {4,
         true,
         {"¡ADVERTENCIA! !",
          "Si confirma, todos los archivos de configuración serán borrados.\r\n\r\n¡ADVERTENCIA",
          "Atención!", "La impostación borrarse. Reencaminar Nimbrisco"}},
        {999, true, {}}, // no language: nothing is asked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lingua);
        writeAllFiles();
        messages().clear();
        state().Lingua = c.lingua;
        state().FlagRestart = kFalse;
        state().flagCmdButton = 0;
        messages().queueAnswers({c.confirm});
        if (c.lingua == 2)
            config().Cleanup2_Click();
        else
            config().Cleanup_Click();

        QStringList boxes;
        for (const platform::RecordedMessage& m : messages().shown)
            boxes << m.title << m.text;
        EXPECT_EQ(boxes, c.boxes);
        if (!boxes.isEmpty()) {
            EXPECT_EQ(messages().shown[0].kind, platform::RecordedMessage::Kind::YesNo);
        }
        const bool cleaned = !c.boxes.isEmpty() && c.confirm;
        expectDeleted(cleaned);
        EXPECT_EQ(state().FlagRestart, cleaned ? kTrue : kFalse);
        EXPECT_EQ(state().flagCmdButton, cleaned ? 2 : 0);
    }
}
