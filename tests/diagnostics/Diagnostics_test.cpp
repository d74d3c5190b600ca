// The diagnostics windows on the real window: the end-of-program timer with another window
// open, the array dump, the developer's buttons and a "DEBUG_CODE" start.
#include "FormFixture.h"

#include "base/ClickLabel.h"
#include "core/PanelControl.h"
#include "core/ProgramEnd.h"
#include "core/Window.h"
#include "diagnostics/Diagnostics.h"
#include "diagnostics/DisplayDebug.h"
#include "diagnostics/DisplayDebug2.h"
#include "diagnostics/FormDebug3.h"
#include "slideshow/Slideshow.h"
#include "storage/ConfigFiles.h"
#include "storage/ProxySettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class DiagnosticsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        writeWorkFile(ConfigFiles::kConfigFile, "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
        writeWorkFile(ConfigFiles::kPictureListFile, "0\r\n1\r\n\r\n\r\n");
        writeWorkFile("Nimbrisco7_Language.dat", " 1");
        writeWorkFile("Nimbrisco7_Proxy.dat", "\r\n\r\n\r\n\r\n0\r\n");
    }
    void load() {
        loadForm();
        ASSERT_EQ(state().ExitToProgram, 0);
        form().parts().timers.generalClock.stop();
    }
    Diagnostics& diagnostics() { return *form().parts().diagnostics; }
    DisplayDebug& debug() { return diagnostics().displayDebug(); }

    // Runs the application's event loop as main() does; the watchdog's code when nothing ends it.
    static int runEventLoop(int watchdogMs, int watchdogCode) {
        QTimer::singleShot(watchdogMs, [watchdogCode] { QCoreApplication::exit(watchdogCode); });
        return QCoreApplication::exec();
    }
};

constexpr int kWatchdogCode = 99;

} // namespace

TEST_F(DiagnosticsTest, OnceTheEndHasBegunTheNextTickEndsTheProgramWithAnotherWindowOpen) {
    load();
    // Only the diagnostics' timer runs: nothing else may end the loop.
    programend::stopShow(form().window());
    EXPECT_EQ(debug().dbDisplay.interval(), 1000);
    ASSERT_TRUE(debug().dbDisplay.isActive());
    QTest::mouseClick(form().parts().bar.Label12, Qt::LeftButton);
    FormDebug3& other = diagnostics().formDebug3();
    ASSERT_TRUE(other.isVisible());
    EXPECT_EQ(other.y(), 0);

    // Before the end the ticks change nothing.
    EXPECT_EQ(runEventLoop(1500, kWatchdogCode), kWatchdogCode);
    ASSERT_TRUE(other.isVisible());
    state().ExitToProgram = kTrue;
    // A message of the end is left to close first.
    QDialog message(&form());
    message.setModal(true);
    message.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &message);
    EXPECT_EQ(runEventLoop(1500, kWatchdogCode), kWatchdogCode);
    message.hide();
    EXPECT_EQ(runEventLoop(5000, kWatchdogCode), 0);
    // The end takes the other window with it.
    EXPECT_FALSE(other.isVisible());
}

TEST_F(DiagnosticsTest, TheArrayDumpRunsOnlyWithAggiornaTickedAndShowsTheFirstSixSlots) {
    load();
    AppState& s = state();
    for (int i = 0; i < 7; ++i) {
        s.listURL[i] = QStringLiteral("2ttp://127.0.0.1/u%1").arg(i);
        s.listIdCopyright[i] = static_cast<Integer>(i + 1);
        s.listIMAGEnotLoaded[i] = static_cast<Integer>(-(i % 2));
    }
    ConfigFiles& config = *form().parts().configFiles;
    ASSERT_FALSE(debug().Aggiorna->isChecked());
    ASSERT_TRUE(config.LoadConfiguration());
    EXPECT_TRUE(debug().ArrayDebug->toPlainText().isEmpty());
    EXPECT_TRUE(debug().ArrayDebug->isHidden());

    debug().Aggiorna->setChecked(true);
    debug().show();
    ASSERT_TRUE(config.LoadConfiguration());
    const QStringList lines = debug().ArrayDebug->toPlainText().split('\n');
    EXPECT_TRUE(debug().ArrayDebug->isVisible());
    ASSERT_GE(lines.size(), 19);
    EXPECT_EQ(lines[0], QStringLiteral("Debug Array"));
    EXPECT_EQ(lines[1], QStringLiteral("listIdCopyright"));
    EXPECT_EQ(lines[2], QStringLiteral("1 | 2 | 3 | 4 | 5 | 6 | "));
    EXPECT_EQ(lines[9], QStringLiteral("listIMAGEnotLoaded"));
    EXPECT_EQ(lines[10], QStringLiteral("0 | -1 | 0 | -1 | 0 | -1 | "));
    EXPECT_EQ(lines[15], QStringLiteral("listURL"));
    EXPECT_EQ(lines[16], QStringLiteral("2ttp://127.0.0.1/u0 | 2ttp://127.0.0.1/u1 | "
                                        "2ttp://127.0.0.1/u2 | 2ttp://127.0.0.1/u3 | "
                                        "2ttp://127.0.0.1/u4 | 2ttp://127.0.0.1/u5 | "));
    EXPECT_EQ(lines[17], QStringLiteral("listData"));
    // Each run writes the whole text again.
    ASSERT_TRUE(config.LoadConfiguration());
    EXPECT_EQ(debug().ArrayDebug->toPlainText().count(QStringLiteral("Debug Array")), 1);
}

TEST_F(DiagnosticsTest, SetDwLoadWarnsWhileACommandRunsAndOtherwiseMakesTheNextStepADownload) {
    load();
    AppState& s = state();
    QTimer& clock = form().parts().timers.imgClock;
    clock.setInterval(8000);
    s.GLOBAL_IMAGE_CURRENT_POINTER = 3;
    s.flagCmdButton = 3;
    debug().dbSetDwload->click();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text, QStringLiteral("Clock busy Dwload"));
    EXPECT_EQ(messages().last().title, QStringLiteral("Warning!"));
    EXPECT_EQ(messages().last().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(clock.interval(), 8000);
    EXPECT_EQ(s.GLOBAL_IMAGE_CURRENT_POINTER, 3);
    EXPECT_EQ(s.clockFromDebugSet, 0);

    s.flagCmdButton = 0;
    debug().dbSetDwload->click();
    EXPECT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(s.timerClockSave, 8000);
    EXPECT_EQ(clock.interval(), 1000);
    EXPECT_TRUE(clock.isActive());
    EXPECT_EQ(s.clockFromDebugSet, 1);
    EXPECT_EQ(s.GLOBAL_IMAGE_CURRENT_POINTER, 0);
    EXPECT_EQ(s.cntCounterDwLoadImage, 15 * 60 + 10);
    clock.stop();
}

TEST_F(DiagnosticsTest, TheButtonsShowTheStateAndTheScreenAndTheListWindowHides) {
    load();
    AppState& s = state();
    s.flagCmdButton = 2;
    s.clockStatus = 1;
    debug().FlagflagCmdButton->click();
    debug().ViewClockStatus->click();
    EXPECT_EQ(debug().DisplayflagCmdButton->text(), QStringLiteral("2"));
    EXPECT_EQ(debug().ValueClockStatus->text(), QStringLiteral("1"));
    s.clockStatus = 0;

    // A 1920 x 1080 screen at 96 dots per inch.
    debug().RunCalcolaSchermo->click();
    EXPECT_EQ(debug().Label2->text(), QStringLiteral("50800"));
    EXPECT_EQ(debug().Label4->text(), QStringLiteral("28575"));
    EXPECT_EQ(debug().Label8->text(), QStringLiteral("15"));
    EXPECT_TRUE(debug().Label10->text().startsWith(QStringLiteral("1.77")));

    debug().show();
    debug().Text1->setPlainText(QStringLiteral("a line\nanother"));
    QTest::mouseDClick(debug().Text1->viewport(), Qt::LeftButton);
    EXPECT_TRUE(debug().Text1->toPlainText().isEmpty());

    DisplayDebug2& list = diagnostics().displayDebug2();
    list.show();
    list.Command_Nascondi->click();
    EXPECT_TRUE(list.isHidden());
}

TEST_F(DiagnosticsTest, ADebugStartShowsThePanelFedByTheTimersAndTheEndPutsItAway) {
    rebuildForm(QStringLiteral("-DEBUG_CODE"));
    load();
    ASSERT_EQ(state().flagDebug, 1);
    ASSERT_TRUE(debug().isVisible());
    EXPECT_EQ(debug().Proxy_Port->text(), form().parts().proxySettings->frame().Proxy_Port->text());

    form().parts().panelControl->panControl_Timer();
    EXPECT_EQ(debug().DisplaypanControl_Timer->text(), QString::number(state().panelTick));
    EXPECT_EQ(debug().DisplayflagCmdButton->text(), QString::number(state().flagCmdButton));

    // The log is bounded: a wall screen may run for days.
    state().listURL[0] = QStringLiteral("2ttp://127.0.0.1/shown.jpg");
    for (int i = 0; i < DisplayDebug::kLogLines + 50; ++i)
        diagnostics().showPictureAddress(0);
    EXPECT_EQ(debug().Text1->blockCount(), DisplayDebug::kLogLines);

    programend::closeWindow(form().window());
    EXPECT_TRUE(debug().isHidden());
    EXPECT_FALSE(debug().dbDisplay.isActive());
}

TEST_F(DiagnosticsTest, WithoutADebugStartThePanelStaysHiddenAndTheTimersWriteNothing) {
    load();
    EXPECT_TRUE(debug().isHidden());
    form().parts().panelControl->panControl_Timer();
    state().listURL[0] = QStringLiteral("2ttp://127.0.0.1/shown.jpg");
    diagnostics().showPictureAddress(0);
    EXPECT_TRUE(debug().DisplaypanControl_Timer->text().isEmpty());
    EXPECT_TRUE(debug().Text1->toPlainText().isEmpty());
}
