// Start-up: portable root, work directories, first-run files, command-line switches.
#include "FormFixture.h"

#include "core/ClickLabel.h"
#include "core/Startup.h"
#include "platform/TwipsGeometry.h"
#include "storage/ConfigFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

namespace tw = platform::twips;
const QString kTooMany = QStringLiteral("Errore. troppi parametri nella linea di comando file EXE");

class StartupTest : public FormFixture {};

TEST_F(StartupTest, EmptyRootGetsWorkDirectoriesAndOnlyTheGeneralClockRuns) {
    loadForm();
    const AppState& s = state();
    EXPECT_TRUE(messages().shown.empty());
    // The root keeps its trailing separator, so the work directory holds a doubled one.
    EXPECT_EQ(s.PortablesPath, root());
    EXPECT_EQ(s.Nimbrisco_Work_Dir, root() + "/Data/Nimbrisco7_Work");
    for (const char* sub : {"Nimbrisco_PHP", "Nimbrisco_SlideShow", "Nimbrisco_Collections"})
        EXPECT_TRUE(QFileInfo(root() + "Data/Nimbrisco7_Work/" + sub).isDir()) << sub;
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(root() + "Data/Nimbrisco7_Work/Nimbrisco_Collections").canonicalFilePath());
    EXPECT_EQ(s.WORK_PATH_FILE_LIST, s.Nimbrisco_Work_Dir + "/");
    EXPECT_EQ(s.imageFilePrefix, s.Nimbrisco_Work_Dir + "/Nimbrisco7_Img");
    EXPECT_EQ(s.appPath, programDir());
    EXPECT_EQ(form().helpFilePath, programDir() + "/Nimbrisco.html");
    EXPECT_EQ(form().panel.lVersion->text(), " ZEP-V1.0-2000- ");
    EXPECT_TRUE(s.weAre.endsWith("  Ver. 7.8.12P "));

    EXPECT_TRUE(form().generalClock.isActive());
    for (QTimer* t : {&form().panControl, &form().imgClock, &form().utilityTmr})
        EXPECT_FALSE(t->isActive());
    EXPECT_EQ(form().panel.SSTCfg->currentWidget(), form().panel.pageTools);
    EXPECT_FALSE(form().panel.SSTCfg_cmdConferma->isEnabled());
    EXPECT_FALSE(form().panel.SSTCfg_ExitProgram->isEnabled());
}

TEST_F(StartupTest, HelpCallerAndPanelArePlacedInTwipsWithoutOverflow) {
    loadForm();
    const platform::Units u = form().units();
    // 1920 x 1080 pixels at 15 twips per pixel.
    EXPECT_EQ(tw::left(form().bar.HelpCaller, u), 28800 + 100);
    EXPECT_EQ(tw::top(form().bar.HelpCaller, u), 28800 + 100);
    EXPECT_EQ(tw::left(form().panel.SSTCfg, u), 28800 / 2 - (9000 + 100));
    EXPECT_EQ(tw::top(form().panel.SSTCfg, u), 16200 / 3 - 6600 / 2);
    EXPECT_EQ(tw::left(form().panel.BrowserImgPreview, u), 5300 + 100 + 9000);
    // Above the bar, which is 4 % of the screen high.
    EXPECT_EQ(tw::top(form().bar.lCountDown, u), 16200 - 648 - 285);

    // Wider screens no longer fit 16 bits.
    setScreenSize(QSize(3840, 2160));
    rebuildForm(QString());
    loadForm();
    EXPECT_EQ(tw::left(form().panel.SSTCfg, form().units()), 57600 / 2 - 9100);
    EXPECT_EQ(tw::left(form().bar.HelpCaller, form().units()), 57700);
}

TEST_F(StartupTest, ProgramOutsideAppNimbriscoWarnsOnceAndUsesTheProgramFolder) {
    const QString elsewhere = root() + "tools/bin";
    QDir().mkpath(elsewhere);
    rebuildForm(QString(), elsewhere);
    loadForm();
    EXPECT_EQ(messages().texts(),
              QStringList{"ERRORE, LA DIR DELL'EXE PORTABLE DEVE CHIAMARSI \\App\\Nimbrisco"});
    EXPECT_EQ(state().PortablesPath, elsewhere);
    EXPECT_TRUE(QFileInfo(elsewhere + "/Data/Nimbrisco7_Work/Nimbrisco_SlideShow").isDir());
}

TEST_F(StartupTest, EmptyPictureListRestartsAsFirstRunOtherwiseTheSettingsAreKept) {
    prepareDirectoriesOnly();
    writeWorkFile(ConfigFiles::kPictureListFile, "\r\n\r\n");
    writeWorkFile(ConfigFiles::kConfigFile, "30\r\n12\r\nNormal\r\n\r\n\r\n");
    loadForm();
    EXPECT_EQ(readWorkFile(ConfigFiles::kConfigFile),
              QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));
    EXPECT_TRUE(readWorkFile(ConfigFiles::kPictureListFile).startsWith("0\r\n1\r\n"));

    writeWorkFile(ConfigFiles::kPictureListFile, "7\r\n40\r\n\r\n\r\n");
    writeWorkFile(ConfigFiles::kConfigFile, "30\r\n12\r\nNormal\r\n\r\n\r\n");
    rebuildForm(QString());
    loadForm();
    EXPECT_EQ(form().panel.SSTCfg_timeDwLoad->text(), "30");
    EXPECT_EQ(form().panel.SSTCfg_timeRefresh->text(), "12");
    EXPECT_EQ(state().fullScreenFlag, 0);
    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), QByteArray("7\r\n40\r\n\r\n\r\n"));
}

TEST_F(StartupTest, CommandLineSwitchesMatchWholeFieldsOnly) {
    struct Case {
        const char* commandLine;
        Integer debug;
        Boolean silent;
        Integer localhost;
        QString endpoint;
    };
    const Case cases[] = {
        {"", 0, kTrue, 0, Startup::defaultEndpoint()},
        {"-DEBUG_CODE -NOSILENT", 0, kFalse, 0, Startup::defaultEndpoint()},
        // "LOCALHOST" keeps the port and path of the endpoint.
        {"-LOCALHOST-DEBUG_CODE", 1, kTrue, 1, "http://localhost:8377/nimbrisco/catalogue?"},
    };
    for (const Case& c : cases) {
        rebuildForm(QString::fromLatin1(c.commandLine));
        loadForm();
        EXPECT_EQ(state().flagDebug, c.debug) << c.commandLine;
        EXPECT_EQ(state().flagSilent, c.silent) << c.commandLine;
        EXPECT_EQ(state().endpointBase, c.endpoint) << c.commandLine;
        EXPECT_EQ(state().flagLocalhost, c.localhost) << c.commandLine;
    }
    EXPECT_TRUE(Startup::defaultEndpoint().endsWith(":8377/nimbrisco/catalogue?"));
}

TEST_F(StartupTest, TooManyFieldsWarnPerExtraDashAndStillStart) {
    rebuildForm("-a-b-c-d-e-f-g-h-i-j-k-LOCALHOST");
    loadForm();
    EXPECT_EQ(messages().texts().count(kTooMany), 3);
    EXPECT_EQ(state().flagLocalhost, 0); // the eleventh field is not read
    EXPECT_TRUE(form().generalClock.isActive());

    // The credit records are split the same way.
    messages().clear();
    form().startup().Splitta5("Credit text-95-second line");
    EXPECT_EQ(state().listSplit5[2], "second line");
    EXPECT_TRUE(messages().shown.empty());
    form().startup().Splitta5("a-b-c-d-e-f");
    EXPECT_EQ(messages().texts().count(kTooMany), 1);
}

TEST_F(StartupTest, UnwritableRootEndsTheStartWithAMessage) {
    const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(root()).isWritable() || QDir().mkdir(root() + "probe")) {
        QDir().rmdir(root() + "probe");
        QFile::setPermissions(root(), writable);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    loadForm();
    QFile::setPermissions(root(), writable);
    EXPECT_EQ(state().ExitToProgram, 1);
    ASSERT_FALSE(messages().shown.empty());
    EXPECT_TRUE(messages().last().text.contains("Data"));
    EXPECT_FALSE(form().generalClock.isActive());
}

} // namespace
