// ucAniGIF properties: sizing, palettes, mirroring, painting, AnimatedGIF, design time.
#include "ucAniGIFTestSupport.h"

#include "anigif/OleColor.h"
#include "anigif/ScaleRules.h"
#include "anigif/ucAniGIF.h"

#include <gtest/gtest.h>

using namespace uctest;

namespace {

QByteArray squareGif(int side, int frames = 2, bool localTables = false) {
    std::vector<TestFrame> list;
    for (int k = 0; k < frames; ++k) {
        list.push_back(patternFrame(QRect(k, k * 2, side - k, side - k * 2), k + 1, 16));
        if (localTables && k > 0)
            list.back().localTable = rampTable(16, k + 5);
        list.back().transparentIndex = k > 0 ? 3 : -1;
    }
    return makeGif(QSize(side, side), rampTable(256, 2), list);
}

std::vector<QImage> composedFrames(ucAniGIF& control) {
    std::vector<QImage> frames;
    for (int f = 1; f <= control.FrameCount(); ++f) {
        stepTo(control, f);
        frames.push_back(control.composedFrame());
    }
    return frames;
}

} // namespace

TEST(ucAniGIFProperties, StretchModesGiveFactorsAndWantedSize) {
    const struct {
        int mode;
        bool autoSize;
        QSize control;
        float sx, sy;
        QSize wanted;
    } cases[] = {
        {0, false, {30, 40}, 1, 1, {30, 40}},      {1, true, {200, 100}, 1, 1, {100, 100}},
        {1, true, {50, 80}, 0.5f, 0.5f, {50, 50}}, {2, true, {200, 50}, 2, 0.5f, {200, 50}},
        {3, true, {200, 200}, 1, 1, {100, 100}},   {3, false, {50, 100}, 0.5f, 0.5f, {50, 100}},
        {4, false, {7, 9}, 1, 1, {100, 100}},
    };
    for (const auto& c : cases) {
        const auto r = anigif::computeScale(c.mode, c.autoSize, c.control, QSize(100, 100));
        EXPECT_EQ(std::make_tuple(r.scaleX, r.scaleY, r.wanted),
                  std::make_tuple(c.sx, c.sy, c.wanted))
            << c.mode << c.autoSize;
    }
}

TEST(ucAniGIFProperties, PalettesReadReplaceCacheAndRestore) {
    ucAniGIF control;
    EXPECT_FALSE(control.CacheColorTables()); // no GIF
    loadStopped(control, squareGif(20, 3, true));
    QVector<qint32> global, local;
    ASSERT_TRUE(control.GetPalette(0, global));
    ASSERT_EQ(global.size(), 256);
    EXPECT_EQ(global[1], qint32(rampTable(256, 2)[1] & 0xFFFFFF));
    EXPECT_FALSE(control.GetPalette(1, local)); // frame 1 uses the global table
    EXPECT_TRUE(control.GetPalette(2, local));
    EXPECT_EQ(local.size(), 16);
    EXPECT_FALSE(control.GetPalette(4, local));
    EXPECT_FALSE(control.GetPalette(-1, local));

    EXPECT_TRUE(control.CacheColorTables());
    EXPECT_FALSE(control.SetPalette(0, QVector<qint32>(255, 0x00FF00))); // too short
    EXPECT_FALSE(control.SetPalette(1, QVector<qint32>(256, 0)));        // no local table
    const QImage before = control.composedFrame();
    ASSERT_TRUE(control.SetPalette(0, QVector<qint32>(256, 0x00FF00)));
    EXPECT_EQ(control.composedFrame().pixel(5, 5), 0xFF00FF00u);
    EXPECT_TRUE(control.RestoreColorTables(true));
    EXPECT_EQ(imageDifference(control.composedFrame(), before), QString());
    EXPECT_FALSE(control.RestoreColorTables(false)); // the cache was released
}

TEST(ucAniGIFProperties, MirroringThereAndBackRestoresEveryFrame) {
    ucAniGIF control;
    loadStopped(control, squareGif(30, 3));
    const std::vector<QImage> original = composedFrames(control);
    for (const int style : {3, 1, 2, 0}) {
        control.setMirrored(style);
        const std::vector<QImage> mirrored = composedFrames(control);
        for (size_t f = 0; f < original.size(); ++f)
            EXPECT_EQ(imageDifference(mirrored[f], original[f].mirrored(style & 1, style & 2)),
                      QString())
                << "style " << style << " frame " << f + 1;
    }

    // A style set before loading applies to the frames decoded later.
    ucAniGIF early;
    early.setMirrored(2);
    loadStopped(early, squareGif(30, 3));
    stepTo(early, 3);
    EXPECT_EQ(imageDifference(early.composedFrame(), original[2].mirrored(false, true)), QString());
}

TEST(ucAniGIFProperties, PaintingHonoursBackStyleOffsetsAndScale) {
    ucAniGIF control;
    control.resize(40, 40);
    control.setStretch(0);
    loadStopped(control, squareGif(20, 1));
    const QImage frame = control.composedFrame();
    QImage target;
    control.renderFrame(target);
    EXPECT_EQ(qAlpha(target.pixel(30, 30)), 0); // transparent background outside the picture
    control.setBackStyle(1);
    control.setBackColor(0x0000FF); // red, as blue-green-red
    control.setOffsetX(7);
    control.setOffsetY(2);
    control.renderFrame(target);
    EXPECT_EQ(target.pixel(30, 30), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(3 + 7, 4 + 2), frame.pixel(3, 4));
    control.setStretch(2); // 40 x 40 from 20 x 20
    control.setOffsetX(0);
    control.setOffsetY(0);
    control.renderFrame(target);
    EXPECT_EQ(target.pixel(39, 39), frame.pixel(19, 19));
    EXPECT_EQ(anigif::resolveOleColor(0x80000063u), QColor(Qt::black)); // no such system colour
}

TEST(ucAniGIFProperties, AnimatedGIFIsTheCurrentFrameAsASingleFrameGif) {
    ucAniGIF control;
    EXPECT_TRUE(control.AnimatedGIF().isNull());
    loadStopped(control, squareGif(18, 2));
    stepTo(control, 2);
    const anigif::GifPicture picture = control.AnimatedGIF();
    // giflib reads one frame of the frame's size and pixels; its transparent index stays so.
    const std::vector<QImage> reference = giflibCompose(picture.gif);
    ASSERT_EQ(reference.size(), 1u);
    const anigif::GifFrame& f2 = control.gifStream().frame(2);
    const QImage cell = control.composedFrame().copy(f2.Left, f2.Top, f2.Width, f2.Height);
    ASSERT_EQ(reference[0].size(), cell.size());
    int seeThrough = 0;
    for (int y = 0; y < f2.Height; ++y)
        for (int x = 0; x < f2.Width; ++x) {
            const QRgb pixel = reference[0].pixel(x, y);
            seeThrough += qAlpha(pixel) == 0;
            ASSERT_TRUE(qAlpha(pixel) == 0 || pixel == cell.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(seeThrough, 0);
    EXPECT_EQ(imageDifference(picture.image, reference[0]), QString());    // its picture too
    control.setAnimatedGIF(anigif::GifPicture{squareGif(8, 1), QImage()}); // not at run time
    EXPECT_EQ(control.FrameCount(), 2);
}

TEST(ucAniGIFProperties, DesignTimeShowsFrameOneKeepsBytesAndTakesPictures) {
    ucAniGIF control(nullptr, true);
    EventLog events(control);
    const QByteArray bytes = squareGif(16, 3);
    control.setAnimatedGIF(anigif::GifPicture{bytes, QImage()});
    EXPECT_EQ(control.FrameCount(), 3);
    EXPECT_EQ(control.gifStream().Buffer, bytes);
    control.setAction(1);
    control.setAction(3);
    EXPECT_EQ(std::make_pair(control.Action(), control.CurrentFrame()), std::make_pair(0, 1));
    EXPECT_FALSE(control.animationTimerActive());
    EXPECT_TRUE(events.frameChanged.empty());
    EXPECT_TRUE(events.changes.contains("AnimatedGIF"));
    control.setAnimatedGIF(anigif::GifPicture());
    EXPECT_EQ(control.FrameCount(), 0);
}
