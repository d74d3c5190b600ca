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

// Reads the message box once it is open, then presses `button`.
struct BoxInspector {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

    explicit BoxInspector(QMessageBox::StandardButton button) {
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

TEST(QtMessageBoxes, ShowsTitleTextIconAndButtons) {
    QtMessageBoxes boxes;
    BoxInspector ok(QMessageBox::Ok);
    boxes.showMessage("Configuration saved", kAppTitle, MsgIcon::Exclamation);
    EXPECT_EQ(ok.title, "Nimbrisco");
    EXPECT_EQ(ok.text, "Configuration saved");
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
    EXPECT_EQ(ok.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        BoxInspector yesNo(button);
        EXPECT_EQ(boxes.askYesNo("Delete <all>?", "Cleanup", MsgIcon::Critical),
                  button == QMessageBox::Yes);
        EXPECT_EQ(yesNo.title, "Cleanup");
        // Shown as plain text, not as markup.
        EXPECT_EQ(yesNo.text, "Delete <all>?");
        EXPECT_EQ(yesNo.icon, QMessageBox::Critical);
        EXPECT_EQ(yesNo.buttons, QMessageBox::Yes | QMessageBox::No);
    }
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

TEST(QtShell, ReportsMissingFilesAndProgramsAndTellsAddressesFromPaths) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtShell shell;
    for (const QString& missing :
         {dir.filePath("Nimbrisco.html"), "file://" + dir.filePath("Nimbrisco.html"), QString()})
        EXPECT_EQ(shell.openDocument(missing), 2) << missing.toStdString();

    EXPECT_FALSE(shell.startProgram(dir.filePath("TeamViewerEng.exe"), true));
    QFile notExecutable(dir.filePath("TeamViewer.exe"));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    EXPECT_FALSE(shell.startProgram(notExecutable.fileName(), true));
    EXPECT_FALSE(shell.startProgram(dir.path(), false)); // a directory is no program
    if (QFile::exists("/bin/true")) {
        EXPECT_TRUE(shell.startProgram("/bin/true", false));
    }

    EXPECT_TRUE(looksLikeUrl("http://www.example.org/help.html"));
    EXPECT_TRUE(looksLikeUrl("mailto:info@example.org"));
    for (const char* path : {"/home/user/Data/Nimbrisco.html", "file:///home/user/Nimbrisco.html",
                             "C:\\Nimbrisco\\App\\Nimbrisco.html"})
        EXPECT_FALSE(looksLikeUrl(path)) << path;
}

TEST(QtWindowSystem, AlwaysOnTopKeepsTheShownState) {
    QtWindowSystem windows;
    QWidget shown;
    shown.show();
    QWidget hidden;
    for (const bool onTop : {true, false}) {
        windows.setAlwaysOnTop(&shown, onTop);
        windows.setAlwaysOnTop(&hidden, onTop);
        EXPECT_EQ(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_FALSE(hidden.isVisible());
    }
    windows.setAlwaysOnTop(nullptr, true);
    EXPECT_EQ(windows.closeBrowserFrames(), 0);
}

TEST(ProxyChoice, LoopbackIsAlwaysDirect) {
    for (const char* host :
         {"localhost", "LOCALHOST", "api.localhost", "127.0.0.1", "127.1.2.3", "::1"})
        EXPECT_TRUE(isLoopbackHost(host)) << host;
    for (const char* host : {"", "example.org", "localhost.example.org", "10.0.0.1", "::2"})
        EXPECT_FALSE(isLoopbackHost(host)) << host;
    ProxyChoice none([](const QNetworkProxyQuery&) { return QList<QNetworkProxy>(); });
    EXPECT_EQ(none.queryProxy(QNetworkProxyQuery(QUrl("http://example.org/x"))).value(0).type(),
              QNetworkProxy::NoProxy);
}

} // namespace
