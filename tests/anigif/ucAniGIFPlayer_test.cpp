// ucAniGIF playback: Action commands, frame timing, loop counting, deferred decoding.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <gtest/gtest.h>

using namespace uctest;

namespace {

QByteArray threeFrames(std::vector<int> delaysCs = {10, 10, 10}) {
    std::vector<TestFrame> frames;
    for (size_t k = 0; k < delaysCs.size(); ++k) {
        frames.push_back(patternFrame(QRect(int(k), 0, 12, 10), int(k), 8));
        frames.back().delayCs = delaysCs[k];
    }
    return makeGif(QSize(16, 10), rampTable(8, 3), frames, 5);
}

} // namespace

TEST(ucAniGIFPlayer, TwoLoopsShowEveryFrameTwiceThenRestOnTheLast) {
    ucAniGIF control;
    control.setDelayAnimation(0);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(threeFrames()));
    control.setLoops(2);
    EventLog events(control);
    std::vector<int> shown{control.CurrentFrame()};
    for (int tick = 0; tick < 6; ++tick) {
        control.animationTick();
        shown.push_back(control.CurrentFrame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 1, 2, 3, 3}));
    EXPECT_EQ(events.loopsEnded, 1);
    EXPECT_EQ(control.Action(), 0);
    EXPECT_FALSE(control.animationTimerActive());
    EXPECT_EQ(control.LoopsRemaining(), 2);
    // Each tick reports the frame shown before it.
    ASSERT_EQ(int(events.frameChanged.size()), 6);
    EXPECT_EQ(events.frameChanged[3], std::make_pair(1, true));
    EXPECT_EQ(events.frameChanged[5], std::make_pair(3, true));

    // A negative count is taken as its magnitude; one wider than the countdown stays positive.
    control.setLoops(-3);
    EXPECT_EQ(control.Loops(), 3);
    EXPECT_EQ(control.LoopsRemaining(), 3);
    control.setLoops(100000);
    EXPECT_GT(control.LoopsRemaining(), 0);
}

TEST(ucAniGIFPlayer, FrameIntervalsFollowMinFrameDelayAndSteppedDelay) {
    ucAniGIF control;
    control.setDelayAnimation(0);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(threeFrames({0, 3, 65535, 12})));
    // 0 and 30 ms are raised to the default minimum.
    std::vector<int> intervals{control.animationTimerInterval()};
    for (const int stepped : {0, 0, 0, 200}) {
        control.setSteppedDelay(stepped);
        control.animationTick();
        intervals.push_back(control.animationTimerInterval());
    }
    EXPECT_EQ(intervals, (std::vector<int>{50, 50, 655350, 120, 200}));
    control.setMinFrameDelay(5);
    EXPECT_EQ(control.MinFrameDelay(), 10);
    control.setMinFrameDelay(40000);
    control.setSteppedDelay(-5);
    EXPECT_EQ(control.SteppedDelay(), 0);
    control.animationTick();
    EXPECT_EQ(control.animationTimerInterval(), 32700);
}

TEST(ucAniGIFPlayer, ActionCommands) {
    ucAniGIF empty;
    EventLog none(empty);
    for (int command = 0; command <= 4; ++command)
        empty.setAction(command); // without a GIF: nothing
    EXPECT_EQ(empty.Action(), 0);
    EXPECT_TRUE(none.frameChanged.empty());

    // Command (-1: a timer tick), then the frame, play state and report (0: none checked).
    // clang-format off
    const int steps[][4] = {
        {3, 2, 2, 2}, {3, 3, 2, 3}, {3, 1, 2, 1}, // step on the last frame wraps to 1, paused
        {3, 2, 2, 2}, {1, 2, 1, 0},               // start on a paused GIF goes on from its frame
        {2, 2, 2, 0}, {0, 1, 0, 1},               // pause; stop returns to frame 1, reported
        {3, 2, 2, 2}, {0, 1, 0, 1}, {1, 1, 1, 0}, // start on a stopped GIF begins at frame 1
        {-1, 2, 1, 0}, {4, 1, 1, 0},              // restart while playing
        {0, 1, 0, 1}, {2, 1, 0, 0}, {7, 1, 0, 0}, // pause when stopped, unknown command: nothing
    };
    // clang-format on
    ucAniGIF control;
    loadStopped(control, threeFrames());
    EventLog events(control);
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &step - steps);
        events.frameChanged.clear();
        step[0] < 0 ? control.animationTick() : control.setAction(step[0]);
        EXPECT_EQ(control.CurrentFrame(), step[1]);
        EXPECT_EQ(control.Action(), step[2]);
        EXPECT_EQ(control.animationTimerActive(), step[2] == 1);
        if (step[3] > 0) {
            EXPECT_EQ(events.last(), std::make_pair(step[3], false));
        }
    }
}

TEST(ucAniGIFPlayer, DelayAnimationDecodesFramesLaterAndTwoWaitsForStart) {
    ucAniGIF one; // DelayAnimation 1 by default
    ASSERT_TRUE(one.LoadAnimatedGIF_Array(threeFrames()));
    EXPECT_EQ(one.decodedFrames(), 1);
    EXPECT_EQ(one.Action(), 0);
    one.deferredDecodingTick();
    EXPECT_EQ(one.decodedFrames(), 3);
    EXPECT_EQ(one.Action(), 1);

    ucAniGIF two;
    two.setDelayAnimation(2);
    EventLog events(two);
    ASSERT_TRUE(two.LoadAnimatedGIF_Array(threeFrames()));
    EXPECT_EQ(two.decodedFrames(), 1);
    QSignalSpy frameChanged(&two, &ucAniGIF::FrameChanged);
    ASSERT_TRUE(frameChanged.wait()); // the later pass, 20 ms on
    EXPECT_EQ(two.decodedFrames(), 3);
    EXPECT_EQ(events.last(), std::make_pair(1, false));
    EXPECT_EQ(two.Action(), 0);
    EXPECT_FALSE(two.animationTimerActive());
    two.setAction(1);
    EXPECT_TRUE(two.animationTimerActive());
}
