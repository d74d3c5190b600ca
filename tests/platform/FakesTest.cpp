// The test fakes other tests rely on: a clock that lets tests act during waits and scripted
// message boxes.
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeMessageBoxes.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(FakeClock, WaitsTakeNoTimeButMoveNowRunEventsAndCallTheHook) {
    FakeClock clock;
    const QDateTime start = clock.now();
    bool posted = false;
    QTimer::singleShot(0, [&posted] { posted = true; });
    std::vector<int> lengths;
    clock.onSleep = [&](int ms) { lengths.push_back(ms); };
    clock.sleepAndYield(200);
    EXPECT_TRUE(posted);
    clock.sleepAndYield(10);
    EXPECT_EQ(start.msecsTo(clock.now()), 210);
    EXPECT_EQ(clock.sleeps(), 2);
    EXPECT_EQ(clock.sleptMs(), 210);
    EXPECT_EQ(lengths, std::vector<int>({200, 10}));
}

TEST(FakeMessageBoxes, RecordsBoxesAndAnswersFromTheScriptThenNo) {
    FakeMessageBoxes boxes;
    boxes.queueAnswers({true, false});
    boxes.showMessage("Saved", "Nimbrisco", MsgIcon::Information);
    EXPECT_TRUE(boxes.askYesNo("Delete?", "Cleanup", MsgIcon::Question));
    EXPECT_FALSE(boxes.askYesNo("Really?", "Nimbrisco", MsgIcon::Exclamation));
    // Once the script is used up, the default answer: No.
    EXPECT_FALSE(boxes.askYesNo("Again?", "Nimbrisco", MsgIcon::Question));
    boxes.beep();

    EXPECT_EQ(boxes.texts(), QStringList({"Saved", "Delete?", "Really?", "Again?"}));
    EXPECT_EQ(boxes.shown[0].kind, RecordedMessage::Kind::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.shown[1].title, "Cleanup");
    EXPECT_EQ(boxes.shown[1].kind, RecordedMessage::Kind::YesNo);
    EXPECT_TRUE(boxes.shown[1].answer);
    EXPECT_FALSE(boxes.shown[2].answer);
    EXPECT_EQ(boxes.beeps, 1);
}

} // namespace
