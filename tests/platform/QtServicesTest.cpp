// The Qt services that need no network: message boxes, clock, shell, window flags, proxy choice.
#include "platform/Ending.h"
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

    explicit BoxInspector(QMessageBox::StandardButton button) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [this, poll, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                box->button(button)->click();
            }
        });
        poll->start(5);
    }
};

TEST(QtMessageBoxes, ShowTitlePlainTextAndIconAndAnswerYesOrNo) {
    QtMessageBoxes boxes;
    BoxInspector ok(QMessageBox::Ok);
    boxes.showMessage("Configuration saved", kAppTitle, MsgIcon::Exclamation);
    EXPECT_EQ(ok.title, "Nimbrisco");
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        BoxInspector yesNo(button);
        EXPECT_EQ(boxes.askYesNo("Delete <all>?", "Cleanup", MsgIcon::Critical),
                  button == QMessageBox::Yes);
        EXPECT_EQ(yesNo.text, "Delete <all>?");
    }
}

TEST(QtMessageBoxes, AnOkBoxClosesByItselfAndTheEndClosesEveryBox) {
    Ending ending;
    QtMessageBoxes boxes(&ending, 50);
    // Nobody clicks: the box closes by itself.
    boxes.showMessage("Errore. troppi parametri", kAppTitle, MsgIcon::None);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Open boxes close when the run ends, a question answers No, and no box opens after it.
    QtMessageBoxes waiting(&ending, 0);
    QTimer::singleShot(50, &ending, &Ending::request);
    EXPECT_FALSE(waiting.askYesNo("Delete all?", "Cleanup", MsgIcon::Question));
    EXPECT_TRUE(ending.requested());
    int opened = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout,
                     [&] { opened += !!QApplication::activeModalWidget(); });
    poll.start(1);
    boxes.showMessage("after the end", kAppTitle, MsgIcon::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 0);
}

TEST(QtMessageBoxes, ABoundedQuestionAnswersNoByItselfOrTakesTheAnswerGiven) {
    // OK boxes wait here: only the question's own bound closes it.
    QtMessageBoxes boxes(nullptr, 0);
    EXPECT_FALSE(
        boxes.askYesNoWithin("Install the collections?", 50, kAppTitle, MsgIcon::Question));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    BoxInspector yes(QMessageBox::Yes);
    EXPECT_TRUE(
        boxes.askYesNoWithin("Install the collections?", 60000, kAppTitle, MsgIcon::Question));
    EXPECT_EQ(yes.text, "Install the collections?");
}

TEST(QtClock, SleepKeepsTimersRunningAndTheEndCutsItShort) {
    Ending ending;
    QtClock clock(&ending);
    QTimer ticker;
    QSignalSpy ticks(&ticker, &QTimer::timeout);
    ticker.start(5);
    QElapsedTimer elapsed;
    elapsed.start();
    clock.sleepAndYield(60);
    EXPECT_GE(elapsed.elapsed(), 55);
    EXPECT_GE(ticks.count(), 2);

    QTimer::singleShot(20, &ending, &Ending::request);
    int waited = 0;
    EXPECT_FALSE(waitUntil(
        clock, ending, [&] { return ++waited > 1000000; }, -1, 10000));
    EXPECT_LT(waited, 5);
}

TEST(QtWindowSystem, AlwaysOnTopKeepsTheShownState) {
    // The flag changes around every page capture; the window must come back each time.
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
}

TEST(QtShell, ReportsMissingFilesAndProgramsAndTellsAddressesFromPaths) {
    QTemporaryDir dir;
    QtShell shell;
    for (const QString& missing : {dir.filePath("Nimbrisco.html"), QString()})
        EXPECT_EQ(shell.openDocument(missing), 2) << missing.toStdString();
    QFile notExecutable(dir.filePath("TeamViewer.exe"));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    for (const QString& program : {dir.filePath("none.exe"), notExecutable.fileName(), dir.path()})
        EXPECT_FALSE(shell.startProgram(program, true)) << program.toStdString();
    EXPECT_TRUE(!QFile::exists("/bin/true") || shell.startProgram("/bin/true", false));
    EXPECT_TRUE(looksLikeUrl("http://www.example.org/help.html"));
    for (const char* path : {"/home/user/Nimbrisco.html", "file:///home/user/Nimbrisco.html",
                             "C:\\Nimbrisco\\App\\Nimbrisco.html"})
        EXPECT_FALSE(looksLikeUrl(path)) << path;
}

TEST(ProxyChoice, LoopbackIsAlwaysDirect) {
    for (const char* host : {"localhost", "LOCALHOST", "api.localhost", "127.1.2.3", "::1"})
        EXPECT_TRUE(isLoopbackHost(host)) << host;
    for (const char* host : {"", "localhost.example.org", "10.0.0.1", "::2"})
        EXPECT_FALSE(isLoopbackHost(host)) << host;
    // A system that names no proxy at all still gets a direct connection, not none.
    ProxyChoice none([](const QNetworkProxyQuery&) { return QList<QNetworkProxy>(); });
    EXPECT_EQ(none.queryProxy(QNetworkProxyQuery(QUrl("http://example.org/x"))).value(0).type(),
              QNetworkProxy::NoProxy);
}

} // namespace
