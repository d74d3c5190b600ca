// The test fakes: a clock that lets tests act during waits, scripted message boxes, the fake
// platform bundle.
#include "LoopbackHttpServer.h"
#include "platform/fakes/FakePlatform.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using platform::FakeClock;
using platform::FakeMessageBoxes;
using platform::MsgIcon;
using platform::RecordedMessage;

namespace {

TEST(FakeClock, WaitsTakeNoTimeButMoveNowAndRunEvents) {
    FakeClock clock;
    const QDateTime start = clock.now();
    bool posted = false;
    QTimer::singleShot(0, [&posted] { posted = true; });
    clock.sleepAndYield(200);
    EXPECT_TRUE(posted);
    clock.sleepAndYield(10);
    EXPECT_EQ(start.msecsTo(clock.now()), 210);
    EXPECT_EQ(clock.sleeps(), 2);
    EXPECT_EQ(clock.sleptMs(), 210);
}

TEST(FakeClock, HookActsWhileTheProgramWaitsForAClick) {
    // The shape of the program's waits for the user: sleep in steps until an option is chosen.
    FakeClock clock;
    QRadioButton option("Connect to Internet through Proxy Server - Lan");
    std::vector<int> lengths;
    clock.onSleep = [&](int ms) {
        lengths.push_back(ms);
        if (lengths.size() == 3)
            option.click();
    };
    int steps = 0;
    while (!option.isChecked() && steps < 100) {
        clock.sleepAndYield(200);
        ++steps;
    }
    EXPECT_TRUE(option.isChecked());
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(lengths, std::vector<int>({200, 200, 200}));
}

TEST(FakeMessageBoxes, RecordsBoxesAndAnswersFromTheScript) {
    FakeMessageBoxes boxes;
    boxes.queueAnswers({true, false});
    boxes.showMessage("Saved", "Nimbrisco", MsgIcon::Information);
    EXPECT_TRUE(boxes.askYesNo("Delete?", "Cleanup", MsgIcon::Question));
    EXPECT_FALSE(boxes.askYesNo("Really?", "Nimbrisco", MsgIcon::Exclamation));
    EXPECT_FALSE(boxes.askYesNo("Again?", "Nimbrisco", MsgIcon::Question)); // the default, No
    boxes.defaultAnswer = true;
    EXPECT_TRUE(boxes.askYesNo("Once more?", "Nimbrisco", MsgIcon::Question));
    boxes.beep();

    ASSERT_EQ(boxes.shown.size(), 5u);
    EXPECT_EQ(boxes.texts(), QStringList({"Saved", "Delete?", "Really?", "Again?", "Once more?"}));
    EXPECT_EQ(boxes.shown[0].kind, RecordedMessage::Kind::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.shown[1].title, "Cleanup");
    EXPECT_EQ(boxes.shown[1].kind, RecordedMessage::Kind::YesNo);
    EXPECT_TRUE(boxes.shown[1].answer);
    EXPECT_FALSE(boxes.shown[2].answer);
    EXPECT_EQ(boxes.shown[2].icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes.beeps, 1);
}

TEST(FakePlatform, HoldsTheFakesAndARealDownloader) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakePlatformHandles fakes;
    auto p = makeFakePlatform(dir.path() + "/App/Nimbrisco", &fakes);
    ASSERT_TRUE(fakes.messages && fakes.fileDialogs && fakes.clock && fakes.screen &&
                fakes.connectivity && fakes.shell && fakes.windows);
    EXPECT_EQ(p->programDir, dir.path() + "/App/Nimbrisco");
    EXPECT_EQ(p->screen->sizePixels(), QSize(1920, 1080));
    EXPECT_DOUBLE_EQ(p->units().twipsPerPixel(), 15.0);
    EXPECT_EQ(fakeHandles(*p).clock, fakes.clock);

    fakes.fileDialogs->answer = "/pictures/mine.jpg";
    EXPECT_EQ(p->fileDialogs->getOpenFileName("Open", "/pictures", "Pictures (*.jpg)"),
              "/pictures/mine.jpg");
    EXPECT_EQ(fakes.fileDialogs->calls.at(0).filter, "Pictures (*.jpg)");
    fakes.shell->openResult = 31;
    EXPECT_EQ(p->shell->openDocument("http://help.example/"), 31);
    EXPECT_EQ(fakes.shell->opened.at(0), "http://help.example/");
    fakes.connectivity->connected = false;
    EXPECT_FALSE(p->connectivity->isConnected());

    testsupport::LoopbackHttpServer server;
    server.route("/pic.gif", testsupport::HttpResponse::ok("GIF89a", "image/gif"));
    const QString file = dir.filePath("pic.gif");
    ASSERT_TRUE(p->downloader->downloadToFile(server.url("/pic.gif"), file));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "GIF89a");
}

} // namespace
