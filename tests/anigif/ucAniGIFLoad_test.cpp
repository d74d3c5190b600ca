// ucAniGIF load entry points: files by any name, byte arrays, failures that empty the control.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace uctest;

namespace {

QByteArray frames(int count, int loops = 3) {
    std::vector<TestFrame> list;
    for (int k = 0; k < count; ++k)
        list.push_back(patternFrame(QRect(k % 5, k % 3, 9, 7), k, 8));
    return makeGif(QSize(14, 10), rampTable(8, 6), list, loops);
}

} // namespace

TEST(ucAniGIFLoad, FilesLoadByAnyNameAndFailuresEmptyAndStopTheControl) {
    QTemporaryDir dir;
    const QString unicodeName = dir.filePath(QString::fromUtf8("радар-気象.gif"));
    const QString empty = dir.filePath("empty.gif");
    for (const auto& [path, bytes] : {std::pair{unicodeName, frames(12)}, {empty, QByteArray()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    ucAniGIF control;
    control.resize(20, 20);
    control.setDelayAnimation(0);
    ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
    EXPECT_EQ(control.FrameCount(), 12);
    EXPECT_EQ(control.Loops(), 3);
    EXPECT_TRUE(control.gifStream().Buffer.isEmpty()); // run time: the bytes are not kept

    for (const auto& load : std::vector<std::function<bool()>>{
             [&] { return control.LoadAnimatedGIF_File(empty); },
             [&] { return control.LoadAnimatedGIF_File(dir.filePath("missing.gif")); },
             [&] { return control.LoadAnimatedGIF_Array(QByteArray("GIF89a garbage")); }}) {
        ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
        control.animationTick();
        EXPECT_FALSE(load());
        EXPECT_EQ(control.FrameCount(), 0);
        EXPECT_EQ(control.CurrentFrame(), 0);
        EXPECT_EQ(control.Action(), 0);
        EXPECT_FALSE(control.animationTimerActive());
        EXPECT_TRUE(control.AnimatedGIF().isNull());
        QImage target;
        control.renderFrame(target); // paints nothing, cleanly
        EXPECT_EQ(qAlpha(target.pixel(5, 5)), 0);
    }
}

TEST(ucAniGIFLoad, OneFrameGifReportsFrameOneAndNeverStartsATimer) {
    ucAniGIF control; // DelayAnimation 1 defers nothing for a single frame
    EventLog events(control);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(frames(1, -1)));
    EXPECT_EQ(control.decodedFrames(), 1);
    EXPECT_EQ(events.frameChanged, (std::vector<std::pair<int, bool>>{{1, false}}));
    EXPECT_EQ(control.LoopsRemaining(), 2147483647);
    control.setAction(1);
    EXPECT_EQ(control.Action(), 0);
    EXPECT_FALSE(control.animationTimerActive());
}
