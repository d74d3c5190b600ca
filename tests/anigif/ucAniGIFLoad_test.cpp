// ucAniGIF load entry points: files, byte arrays, failures that empty the control, size bounds.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace uctest;

namespace {

QByteArray frames(int count) {
    std::vector<TestFrame> list;
    for (int k = 0; k < count; ++k)
        list.push_back(patternFrame(QRect(k % 5, k % 3, 9, 7), k, 8));
    return makeGif(QSize(14, 10), rampTable(8, 6), list, 3);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A header that announces one frame of width x height with a two-colour table and then ends.
QByteArray hugeFrameHeader(int width, int height) {
    QByteArray b("GIF89a");
    b += QByteArray("\x01\x00\x01\x00\x80\x00\x00", 7);
    b += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    b += QByteArray("\x2C\x00\x00\x00\x00", 5);
    b += char(width & 255);
    b += char(width >> 8);
    b += char(height & 255);
    b += char(height >> 8);
    b += QByteArray("\x00\x02\x02\x4C\x01\x00\x3B", 7);
    return b;
}

} // namespace

TEST(ucAniGIFLoad, FilesLoadByAnyNameAndFailuresEmptyTheControl) {
    QTemporaryDir dir;
    const QString unicodeName = dir.filePath(QString::fromUtf8("радар-気象.gif"));
    ASSERT_TRUE(writeFile(unicodeName, frames(12)));
    ucAniGIF control;
    control.setDelayAnimation(2);
    ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
    control.deferredDecodingTick();
    EXPECT_EQ(control.FrameCount(), 12);
    EXPECT_EQ(control.Loops(), 3);
    EXPECT_EQ(control.LoopsRemaining(), 3);
    EXPECT_TRUE(control.gifStream().Buffer.isEmpty()); // run time: the bytes are not kept

    const QString empty = dir.filePath("empty.gif");
    ASSERT_TRUE(writeFile(empty, QByteArray()));
    EXPECT_FALSE(control.LoadAnimatedGIF_File(empty));
    EXPECT_EQ(control.FrameCount(), 0);
    EXPECT_EQ(control.CurrentFrame(), 0);
    QImage target;
    control.resize(20, 20);
    control.renderFrame(target); // paints nothing, cleanly
    EXPECT_EQ(qAlpha(target.pixel(5, 5)), 0);

    ASSERT_TRUE(control.LoadAnimatedGIF_File(unicodeName));
    EXPECT_FALSE(control.LoadAnimatedGIF_File(dir.filePath("missing.gif")));
    EXPECT_EQ(control.FrameCount(), 0);
}

TEST(ucAniGIFLoad, FrameWithoutAnyColourTableFailsTheLoad) {
    const QByteArray withTable =
        makeGif(QSize(4, 4), rampTable(2, 1), {patternFrame(QRect(0, 0, 4, 4), 1, 2)}, -1);
    ASSERT_EQ(uint8_t(withTable[10]) & 0x87, 0x80); // a global table of two colours
    // The same file with its global table taken out.
    QByteArray noTables = withTable.left(13) + withTable.mid(13 + 6);
    noTables[10] = char(uint8_t(noTables[10]) & 0x7F);
    ucAniGIF control;
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(withTable));
    EXPECT_FALSE(control.LoadAnimatedGIF_Array(noTables));
    EXPECT_EQ(control.FrameCount(), 0);
    EXPECT_TRUE(control.composedFrame().isNull());
}

TEST(ucAniGIFLoad, OneFrameAtRunTimeReportsFrameOne) {
    ucAniGIF control;
    EventLog events(control);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(frames(1)));
    ASSERT_FALSE(events.frameChanged.empty());
    EXPECT_EQ(events.last(), std::make_pair(1, false));
    EXPECT_FALSE(control.deferredDecodingPending());
    EXPECT_EQ(control.decodedFrames(), 1);
}

TEST(ucAniGIFLoad, OversizedFramesFailWithoutExhaustingMemory) {
    ucAniGIF control;
    control.resize(30, 30);
    EXPECT_FALSE(control.LoadAnimatedGIF_Array(hugeFrameHeader(65535, 65535)));
    EXPECT_EQ(control.FrameCount(), 0);
    // A small frame with the same cut-off data still loads and paints index 0.
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(hugeFrameHeader(3, 2)));
    QImage target;
    control.renderFrame(target);
    const QImage composed = control.composedFrame();
    EXPECT_EQ(composed.size(), QSize(3, 2));
}
