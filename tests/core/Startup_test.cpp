// Start-up: portable root, work directories, first-run files, command-line switches.
#include "FormFixture.h"

#include "core/Startup.h"
#include "i18n/LanguageFrame.h"
#include "storage/ConfigFiles.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"
#include "storage/TownSettings.h"

#include "i18n/LanguageChoice.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString kTooMany = QStringLiteral("Errore. troppi parametri nella linea di comando file EXE");

class StartupTest : public FormFixture {};

TEST_F(StartupTest, EmptyRootGetsWorkDirectoriesAndOnlyTheGeneralClockRuns) {
    loadForm();
    EXPECT_TRUE(messages().shown.empty());
    // The root keeps its trailing separator, so the work directory holds a doubled one.
    EXPECT_EQ(state().Nimbrisco_Work_Dir, root() + "/Data/Nimbrisco7_Work");
    for (const char* sub : {"Nimbrisco_PHP", "Nimbrisco_SlideShow", "Nimbrisco_Collections"})
        EXPECT_TRUE(QFileInfo(root() + "Data/Nimbrisco7_Work/" + sub).isDir()) << sub;
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(root() + "Data/Nimbrisco7_Work/Nimbrisco_Collections").canonicalFilePath());
    EXPECT_TRUE(form().parts().timers.generalClock.isActive());
    for (QTimer* t : {&form().parts().timers.panControl, &form().parts().timers.imgClock,
                      &form().parts().timers.utilityTmr})
        EXPECT_FALSE(t->isActive());
}

TEST_F(StartupTest, ProgramOutsideAppNimbriscoWarnsOnceAndUsesTheProgramFolder) {
    const QString elsewhere = root() + "tools/bin";
    QDir().mkpath(elsewhere);
    rebuildForm(QString(), elsewhere);
    loadForm();
    EXPECT_EQ(messages().texts(),
              QStringList{"ERRORE, LA DIR DELL'EXE PORTABLE DEVE CHIAMARSI \\App\\Nimbrisco"});
    EXPECT_TRUE(QFileInfo(elsewhere + "/Data/Nimbrisco7_Work/Nimbrisco_SlideShow").isDir());
}

TEST_F(StartupTest, EmptyPictureListRestartsAsFirstRunOtherwiseTheSettingsAreKept) {
    const QByteArray settings = "30\r\n12\r\nNormal\r\n\r\n\r\n";
    prepareDirectoriesOnly();
    writeWorkFile(ConfigFiles::kPictureListFile, "\r\n\r\n");
    writeWorkFile(ConfigFiles::kConfigFile, settings);
    loadForm();
    EXPECT_EQ(readWorkFile(ConfigFiles::kConfigFile),
              QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));
    EXPECT_TRUE(readWorkFile(ConfigFiles::kPictureListFile).startsWith("0\r\n1\r\n"));

    writeWorkFile(ConfigFiles::kPictureListFile, "7\r\n40\r\n\r\n\r\n");
    writeWorkFile(ConfigFiles::kConfigFile, settings);
    rebuildForm(QString());
    loadForm();
    EXPECT_EQ(form().parts().panel.SSTCfg_timeDwLoad->text(), "30");
    EXPECT_EQ(state().fullScreenFlag, 0);
    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), QByteArray("7\r\n40\r\n\r\n\r\n"));
}

TEST_F(StartupTest, CommandLineSwitchesMatchWholeFieldsOnly) {
    rebuildForm("-DEBUG_CODE -NOSILENT");
    loadForm();
    EXPECT_EQ(state().flagDebug, 0);
    EXPECT_EQ(state().flagSilent, kFalse);
    EXPECT_EQ(state().endpointBase, Startup::defaultEndpoint());
    EXPECT_TRUE(Startup::defaultEndpoint().endsWith(":8377/nimbrisco/catalogue?"));

    // "LOCALHOST" keeps the port and path of the endpoint.
    rebuildForm("-LOCALHOST-DEBUG_CODE");
    loadForm();
    EXPECT_EQ(state().flagDebug, 1);
    EXPECT_EQ(state().flagSilent, kTrue);
    EXPECT_EQ(state().endpointBase, "http://localhost:8377/nimbrisco/catalogue?");

    // "LOCALHOST:<port>" reaches a service on this machine on another port; anything but a
    // port number from 1 to 65535 leaves the maker's service.
    rebuildForm("-LOCALHOST:40123");
    loadForm();
    EXPECT_EQ(state().endpointBase, "http://localhost:40123/nimbrisco/catalogue?");
    EXPECT_EQ(state().flagLocalhost, 1);
    for (const char* odd : {"-LOCALHOST:0", "-LOCALHOST:65536", "-LOCALHOST:80x",
                            "-LOCALHOST:", "-LOCALHOST:+80", "-LOCALHOST:080"}) {
        rebuildForm(odd);
        loadForm();
        EXPECT_EQ(state().endpointBase, Startup::defaultEndpoint()) << odd;
    }
}

TEST_F(StartupTest, FirstStartQuestionsAndTheTownFrameLieInsideSmallScreens) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        setScreenSize(screen);
        rebuildForm(QString());
        loadForm();
        const QRect inside(QPoint(0, 0), screen);
        EXPECT_TRUE(inside.contains(form().parts().panel.SSTCfg->geometry())) << screen.width();
        QWidget* language = form().parts().languageChoice->frame().Frame_Select_Language;
        QWidget* connection = form().parts().proxySettings->frame().Frame_Select_Connection;
        QRect languageShown, connectionShown;
        clock().onSleep = [&](int) {
            if (!language->isHidden()) {
                languageShown = language->geometry();
                form().parts().languageChoice->frame().English_01->click();
            }
            if (!connection->isHidden()) {
                connectionShown = connection->geometry();
                form().parts().proxySettings->Connection_Selected_Click();
            }
        };
        state().Lingua = 999;
        form().parts().languageChoice->ChooseLanguage();
        form().parts().proxySettings->AskConnectionType();
        form().parts().townSettings->ShowTownFrame();
        EXPECT_TRUE(inside.contains(languageShown)) << screen.width();
        EXPECT_TRUE(inside.contains(connectionShown)) << screen.width();
        EXPECT_TRUE(inside.contains(form().parts().townSettings->frame().FormYourTown->geometry()))
            << screen.width();
        clock().onSleep = nullptr;
    }
}

TEST_F(StartupTest, TooManyFieldsWarnPerExtraDashAndStillStart) {
    rebuildForm("-a-b-c-d-e-f-g-h-i-j-k-LOCALHOST");
    loadForm();
    EXPECT_EQ(messages().texts().count(kTooMany), 3);
    EXPECT_EQ(state().flagLocalhost, 0); // the eleventh field is not read
    EXPECT_TRUE(form().parts().timers.generalClock.isActive());

    // The credit records are split the same way.
    messages().clear();
    form().parts().startup->Splitta5("a-b-c-d-e-f");
    EXPECT_EQ(messages().texts(), QStringList{kTooMany});
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
    EXPECT_FALSE(form().parts().timers.generalClock.isActive());
}

} // namespace
