// The screen-saver hold over D-Bus against a fake org.freedesktop.ScreenSaver on a private
// session bus: taken and given back once, given back at the end, a missing service said once;
// and the real window holding it while its slideshow runs.
#include "FormFixture.h"

#include "base/Codes.h"
#include "core/PanelControl.h"
#include "platform/qt/QtScreenSaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

using namespace platform;

namespace {

const QString kName = QStringLiteral("org.freedesktop.ScreenSaver");

// What the fake desktop was asked; read by the test while the service thread writes.
struct Calls {
    QMutex mutex;
    int inhibits = 0;
    int uninhibits = 0;
    QSet<uint> active;
    QString application;
};

// The desktop's side of the interface, answering from its own thread and its own connection,
// since the program's calls block the test's thread until the answer comes.
class FakeScreenSaverService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    explicit FakeScreenSaverService(Calls& calls) : calls_(calls) {}

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        Q_UNUSED(reason);
        QMutexLocker lock(&calls_.mutex);
        ++calls_.inhibits;
        calls_.application = application;
        const uint cookie = 100 + calls_.inhibits;
        calls_.active.insert(cookie);
        return cookie;
    }
    void UnInhibit(uint cookie) {
        QMutexLocker lock(&calls_.mutex);
        ++calls_.uninhibits;
        calls_.active.remove(cookie);
    }

private:
    Calls& calls_;
};

// Registers the fake under the standard name from a thread of its own; unregisters at the end.
class FakeDesktop {
public:
    explicit FakeDesktop(const QString& path = QStringLiteral("/org/freedesktop/ScreenSaver")) {
        thread_.start();
        helper_->moveToThread(&thread_);
        QSemaphore ready;
        QMetaObject::invokeMethod(
            helper_.get(),
            [this, path, &ready] {
                QDBusConnection bus =
                    QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection);
                service_ = std::make_unique<FakeScreenSaverService>(calls);
                registered_ =
                    bus.registerObject(path, service_.get(), QDBusConnection::ExportAllSlots) &&
                    bus.registerService(kName);
                ready.release();
            },
            Qt::QueuedConnection);
        if (!ready.tryAcquire(1, kWaitMs))
            registered_ = false;
    }
    ~FakeDesktop() {
        QSemaphore done;
        QMetaObject::invokeMethod(
            helper_.get(),
            [this, &done] {
                QDBusConnection bus(kConnection);
                bus.unregisterService(kName);
                service_.reset();
                done.release();
            },
            Qt::QueuedConnection);
        done.tryAcquire(1, kWaitMs);
        QDBusConnection::disconnectFromBus(kConnection);
        thread_.quit();
        thread_.wait();
    }
    bool registered() const { return registered_; }

    Calls calls;

private:
    static constexpr const char* kConnection = "fake-desktop";
    // Bounds the hand-overs to the service thread, which take a few milliseconds.
    static constexpr int kWaitMs = 30000;
    QThread thread_;
    // Runs the service's set-up and end in its thread.
    std::unique_ptr<QObject> helper_ = std::make_unique<QObject>();
    std::unique_ptr<FakeScreenSaverService> service_;
    bool registered_ = false;
};

class ScreenSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected())
            << "run under dbus-run-session: no session bus";
    }
    QtScreenSaver::Report counting() {
        return [this](const QString& line) { reports.append(line); };
    }
    QStringList reports;
};

TEST_F(ScreenSaverTest, TheHoldIsTakenOnceAndGivenBackOnce) {
    FakeDesktop desktop;
    ASSERT_TRUE(desktop.registered());
    QtScreenSaver screenSaver(QDBusConnection::sessionBus(), counting());

    EXPECT_TRUE(screenSaver.hold());
    EXPECT_TRUE(screenSaver.hold());
    EXPECT_TRUE(screenSaver.isHeld());
    {
        QMutexLocker lock(&desktop.calls.mutex);
        EXPECT_EQ(desktop.calls.inhibits, 1);
        EXPECT_EQ(desktop.calls.active.size(), 1);
        EXPECT_EQ(desktop.calls.application, "Nimbrisco");
    }
    screenSaver.release();
    screenSaver.release();
    EXPECT_FALSE(screenSaver.isHeld());
    {
        QMutexLocker lock(&desktop.calls.mutex);
        EXPECT_EQ(desktop.calls.uninhibits, 1);
        EXPECT_TRUE(desktop.calls.active.isEmpty());
    }
    // The panel closes, the slideshow runs again: a new hold.
    EXPECT_TRUE(screenSaver.hold());
    QMutexLocker lock(&desktop.calls.mutex);
    EXPECT_EQ(desktop.calls.inhibits, 2);
    EXPECT_EQ(desktop.calls.active.size(), 1);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(ScreenSaverTest, TheEndOfTheProgramGivesTheHoldBack) {
    FakeDesktop desktop;
    ASSERT_TRUE(desktop.registered());
    {
        QtScreenSaver screenSaver(QDBusConnection::sessionBus(), counting());
        ASSERT_TRUE(screenSaver.hold());
    }
    QMutexLocker lock(&desktop.calls.mutex);
    EXPECT_EQ(desktop.calls.inhibits, 1);
    EXPECT_EQ(desktop.calls.uninhibits, 1);
    EXPECT_TRUE(desktop.calls.active.isEmpty());
}

TEST_F(ScreenSaverTest, ADesktopOnTheShortPathIsHeldToo) {
    FakeDesktop desktop(QStringLiteral("/ScreenSaver"));
    ASSERT_TRUE(desktop.registered());
    QtScreenSaver screenSaver(QDBusConnection::sessionBus(), counting());
    EXPECT_TRUE(screenSaver.hold());
    screenSaver.release();
    QMutexLocker lock(&desktop.calls.mutex);
    EXPECT_EQ(desktop.calls.inhibits, 1);
    EXPECT_EQ(desktop.calls.uninhibits, 1);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(ScreenSaverTest, AMissingServiceIsSaidOnceAndTheShowGoesOn) {
    ASSERT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(kName));
    QtScreenSaver screenSaver(QDBusConnection::sessionBus(), counting());
    EXPECT_FALSE(screenSaver.hold());
    EXPECT_FALSE(screenSaver.hold());
    screenSaver.release();
    EXPECT_FALSE(screenSaver.isHeld());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.first().contains("org.freedesktop.ScreenSaver"))
        << reports.first().toStdString();

    // A desktop that comes up later is held at the next try, without a second word.
    FakeDesktop desktop;
    ASSERT_TRUE(desktop.registered());
    EXPECT_TRUE(screenSaver.hold());
    EXPECT_EQ(reports.size(), 1);
}

TEST_F(ScreenSaverTest, WithoutASessionBusItIsSaidOnce) {
    const QString name = QStringLiteral("no-bus");
    QDBusConnection nowhere =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name);
    ASSERT_FALSE(nowhere.isConnected());
    {
        QtScreenSaver screenSaver(nowhere, counting());
        EXPECT_FALSE(screenSaver.hold());
        EXPECT_FALSE(screenSaver.hold());
    }
    QDBusConnection::disconnectFromBus(name);
    EXPECT_EQ(reports.size(), 1);
}

} // namespace

#include "ScreenSaverTest.moc"

class SlideshowScreenHold : public FormFixture {};

TEST_F(SlideshowScreenHold, TheSlideshowHoldsTheScreenThePanelAndTheEndGiveItBack) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    FakeDesktop desktop;
    ASSERT_TRUE(desktop.registered());
    QStringList reports;
    form().platform().screenSaver = std::make_unique<QtScreenSaver>(
        QDBusConnection::sessionBus(), [&](const QString& line) { reports << line; });
    prepareDirectoriesOnly();
    PanelControl& control = *form().parts().panelControl;
    const auto desktopSees = [&desktop](int inhibits, int active) {
        QMutexLocker lock(&desktop.calls.mutex);
        EXPECT_EQ(desktop.calls.inhibits, inhibits);
        EXPECT_EQ(desktop.calls.active.size(), active);
    };

    // The slideshow's ticks: one hold, not one per tick.
    for (int tick = 0; tick < 5; ++tick)
        control.panControl_Timer();
    desktopSees(1, 1);
    // The panel is up: a person may walk away from it, the screen may blank.
    state().flagCmdButton = codes::command::kOpenPanel;
    control.panControl_Timer();
    desktopSees(1, 0);
    // Back to the slideshow, then its end.
    state().flagCmdButton = codes::command::kRun;
    control.panControl_Timer();
    desktopSees(2, 1);
    state().flagCmdButton = codes::command::kEnd;
    control.panControl_Timer();
    desktopSees(2, 0);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}
