// The Qt services that need no network: message boxes, clock, shell, always-on-top, proxy choice.
#include "platform/qt/ProxyChoice.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtWindowSystem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Acts on the message box once it is open, then presses `button`.
struct BoxInspector {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

    void pressWhenOpen(QMessageBox::StandardButton button) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [this, poll, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            poll->deleteLater();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(button)->click();
        });
        poll->start(5);
    }
};

TEST(QtMessageBoxes, ShowsTitleIconAndButtons) {
    QtMessageBoxes boxes;
    BoxInspector ok;
    ok.pressWhenOpen(QMessageBox::Ok);
    boxes.showMessage("Configuration saved", kAppTitle, MsgIcon::Exclamation);
    EXPECT_EQ(ok.title, "Nimbrisco");
    EXPECT_EQ(ok.text, "Configuration saved");
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
    EXPECT_EQ(ok.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    BoxInspector yes;
    yes.pressWhenOpen(QMessageBox::Yes);
    EXPECT_TRUE(boxes.askYesNo("Delete <all>?", "Cleanup", MsgIcon::Critical));
    EXPECT_EQ(yes.title, "Cleanup");
    EXPECT_EQ(yes.text, "Delete <all>?");
    EXPECT_EQ(yes.icon, QMessageBox::Critical);
    EXPECT_EQ(yes.buttons, QMessageBox::Yes | QMessageBox::No);

    BoxInspector no;
    no.pressWhenOpen(QMessageBox::No);
    EXPECT_FALSE(boxes.askYesNo("Again?", kAppTitle, MsgIcon::Question));
    EXPECT_EQ(no.icon, QMessageBox::Question);
}

TEST(QtClock, SleepKeepsTimersRunning) {
    QtClock clock;
    QTimer ticker;
    QSignalSpy ticks(&ticker, &QTimer::timeout);
    ticker.start(5);
    QElapsedTimer elapsed;
    elapsed.start();
    clock.sleepAndYield(60);
    EXPECT_GE(elapsed.elapsed(), 55);
    EXPECT_GE(ticks.count(), 2);
}

TEST(QtShell, MissingFilesAndProgramsAreReported) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtShell shell;
    EXPECT_EQ(shell.openDocument(dir.filePath("Nimbrisco.html")), 2);
    EXPECT_EQ(shell.openDocument("file://" + dir.filePath("Nimbrisco.html")), 2);
    EXPECT_EQ(shell.openDocument(""), 2);

    EXPECT_FALSE(shell.startProgram(dir.filePath("TeamViewerEng.exe"), true));
    QFile notExecutable(dir.filePath("TeamViewer.exe"));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    EXPECT_FALSE(shell.startProgram(notExecutable.fileName(), true));
    EXPECT_FALSE(shell.startProgram(dir.path(), false)); // a directory is no program
}

TEST(QtShell, StartsAnExistingProgram) {
    if (!QFile::exists("/bin/true"))
        GTEST_SKIP() << "/bin/true is not available";
    EXPECT_TRUE(QtShell().startProgram("/bin/true", false));
}

TEST(QtShell, TellsAddressesFromPaths) {
    EXPECT_TRUE(looksLikeUrl("http://www.example.org/help.html"));
    EXPECT_TRUE(looksLikeUrl("mailto:info@example.org"));
    EXPECT_FALSE(looksLikeUrl("/home/user/Data/Nimbrisco.html"));
    EXPECT_FALSE(looksLikeUrl("file:///home/user/Nimbrisco.html"));
    EXPECT_FALSE(looksLikeUrl("C:\\Nimbrisco\\App\\Nimbrisco.html"));
}

TEST(QtWindowSystem, AlwaysOnTopKeepsTheShownState) {
    QtWindowSystem windows;
    QWidget shown;
    shown.show();
    windows.setAlwaysOnTop(&shown, true);
    EXPECT_TRUE(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(shown.isVisible());
    windows.setAlwaysOnTop(&shown, false);
    EXPECT_FALSE(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(shown.isVisible());

    QWidget hidden;
    windows.setAlwaysOnTop(&hidden, true);
    EXPECT_TRUE(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(hidden.isVisible());
    windows.setAlwaysOnTop(nullptr, true);
    EXPECT_EQ(windows.closeBrowserFrames(), 0);
}

TEST(ProxyChoice, LoopbackIsAlwaysDirect) {
    for (const char* host :
         {"localhost", "LOCALHOST", "api.localhost", "127.0.0.1", "127.1.2.3", "::1"})
        EXPECT_TRUE(isLoopbackHost(host)) << host;
    for (const char* host : {"", "example.org", "localhost.example.org", "10.0.0.1", "::2"})
        EXPECT_FALSE(isLoopbackHost(host)) << host;

    const QNetworkProxy viaLan(QNetworkProxy::HttpProxy, "proxy.lan", 3128);
    ProxyChoice choice([&](const QNetworkProxyQuery&) { return QList<QNetworkProxy>{viaLan}; });
    EXPECT_EQ(
        choice.queryProxy(QNetworkProxyQuery(QUrl("http://localhost:8377/x"))).value(0).type(),
        QNetworkProxy::NoProxy);
    EXPECT_EQ(choice.queryProxy(QNetworkProxyQuery(QUrl("http://example.org/x"))).value(0), viaLan);
    ProxyChoice none([](const QNetworkProxyQuery&) { return QList<QNetworkProxy>(); });
    EXPECT_EQ(none.queryProxy(QNetworkProxyQuery(QUrl("http://example.org/x"))).value(0).type(),
              QNetworkProxy::NoProxy);
}

} // namespace
