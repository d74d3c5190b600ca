// ucAniGIF properties: sizing, palettes, mirroring, painting, AnimatedGIF, design time, mouse.
#include "ucAniGIFTestSupport.h"

#include "anigif/OleColor.h"
#include "anigif/ScaleRules.h"
#include "anigif/ucAniGIF.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
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

// Each frame as composed, stepping through them.
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
        {0, false, {30, 40}, 1, 1, {30, 40}},         {1, false, {200, 100}, 1, 1, {200, 100}},
        {1, true, {200, 100}, 1, 1, {100, 100}},      {1, true, {50, 80}, 0.5f, 0.5f, {50, 50}},
        {2, false, {200, 50}, 2, 0.5f, {200, 50}},    {2, true, {200, 50}, 2, 0.5f, {200, 50}},
        {3, false, {200, 200}, 1, 1, {200, 200}},     {3, true, {200, 200}, 1, 1, {100, 100}},
        {3, false, {50, 100}, 0.5f, 0.5f, {50, 100}}, {4, false, {7, 9}, 1, 1, {100, 100}},
    };
    for (const auto& c : cases) {
        const auto r = anigif::computeScale(c.mode, c.autoSize, c.control, QSize(100, 100));
        EXPECT_FLOAT_EQ(r.scaleX, c.sx) << c.mode << c.autoSize;
        EXPECT_FLOAT_EQ(r.scaleY, c.sy) << c.mode << c.autoSize;
        EXPECT_EQ(r.wanted, c.wanted) << c.mode << c.autoSize;
    }
}

TEST(ucAniGIFProperties, AutoSizeAndStretchWritesKeepSizeAndPlayState) {
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    control.resize(200, 100);
    loadStopped(control, squareGif(100, 3));
    EXPECT_EQ(control.size(), QSize(200, 100));
    EXPECT_FLOAT_EQ(control.scaleX(), 1.0f);
    control.setAutoSize(true);
    EXPECT_EQ(control.size(), QSize(100, 100));
    EXPECT_EQ(control.ActualWidth(), 1500);
    EXPECT_EQ(control.ActualHeight(), 1500);

    control.setAction(3);
    EventLog events(control);
    control.setStretch(2); // paused by the step: stays paused on its frame
    EXPECT_EQ(control.Action(), 2);
    EXPECT_EQ(control.CurrentFrame(), 2);
    control.setAction(3);
    control.setAction(0);
    events.frameChanged.clear();
    control.setStretch(1); // stopped: back to frame 1, reported
    EXPECT_EQ(control.Action(), 0);
    EXPECT_EQ(events.last(), std::make_pair(1, false));

    control.setStretch(4);
    control.show();
    control.resize(30, 30);
    EXPECT_EQ(control.size(), QSize(100, 100)); // mode 4 holds the GIF's own size
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
    EXPECT_FALSE(control.CacheColorTables());
    EXPECT_FALSE(control.SetPalette(0, QVector<qint32>(255, 0x00FF00))); // too short
    EXPECT_FALSE(control.SetPalette(0, {}));
    EXPECT_FALSE(control.SetPalette(1, QVector<qint32>(256, 0))); // no local table
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
    std::vector<QRect> rects;
    for (const anigif::GifFrame& f : control.gifStream().Frames)
        rects.emplace_back(f.Left, f.Top, f.Width, f.Height);
    for (const int style : {3, 1, 2, 0}) {
        control.setMirrored(style);
        const std::vector<QImage> mirrored = composedFrames(control);
        for (size_t f = 0; f < original.size(); ++f)
            EXPECT_EQ(imageDifference(mirrored[f], original[f].mirrored(style & 1, style & 2)),
                      QString())
                << "style " << style << " frame " << f + 1;
    }
    for (size_t f = 0; f < rects.size(); ++f) {
        const anigif::GifFrame& now = control.gifStream().Frames[f];
        EXPECT_EQ(QRect(now.Left, now.Top, now.Width, now.Height), rects[f]);
    }

    // A style set before loading applies to the frames decoded later.
    ucAniGIF early;
    early.setMirrored(2);
    early.setDelayAnimation(2);
    ASSERT_TRUE(early.LoadAnimatedGIF_Array(squareGif(30, 3)));
    early.deferredDecodingTick();
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
    ASSERT_EQ(target.size(), QSize(40, 40));
    EXPECT_EQ(qAlpha(target.pixel(30, 30)), 0); // transparent background outside the picture
    EXPECT_EQ(target.pixel(3, 4), frame.pixel(3, 4));
    control.setBackStyle(1);
    control.setBackColor(0x0000FF); // red, as blue-green-red
    control.setOffsetX(7);
    control.setOffsetY(2);
    control.renderFrame(target);
    EXPECT_EQ(target.pixel(30, 30), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(3 + 7, 4 + 2), frame.pixel(3, 4));
    control.setBackColor(anigif::ButtonFaceColor);
    control.setStretch(2); // 40 x 40 from 20 x 20
    control.setOffsetX(0);
    control.setOffsetY(0);
    control.renderFrame(target);
    EXPECT_EQ(target.pixel(39, 39), frame.pixel(19, 19));
    EXPECT_EQ(anigif::resolveOleColor(anigif::ButtonFaceColor),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(anigif::resolveOleColor(0x80000063u), QColor(Qt::black));
}

TEST(ucAniGIFProperties, AnimatedGIFIsTheCurrentFrameAsASingleFrameGif) {
    ucAniGIF control;
    EXPECT_TRUE(control.AnimatedGIF().isNull());
    loadStopped(control, squareGif(18, 2));
    stepTo(control, 2);
    const anigif::GifPicture picture = control.AnimatedGIF();
    ASSERT_FALSE(picture.isNull());
    // giflib reads it as one frame of the frame's size with the frame's pixels; the frame's
    // transparent index stays transparent.
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
    EXPECT_EQ(imageDifference(picture.image, reference[0]), QString()); // its picture too
    // At run time the picture cannot be assigned.
    control.setAnimatedGIF(anigif::GifPicture{squareGif(8, 1), QImage()});
    EXPECT_EQ(control.FrameCount(), 2);
}

TEST(ucAniGIFProperties, DesignTimeShowsFrameOneKeepsBytesAndTakesPictures) {
    ucAniGIF control(nullptr, true);
    EXPECT_TRUE(control.isDesignTime());
    EventLog events(control);
    const QByteArray bytes = squareGif(16, 3);
    control.setAnimatedGIF(anigif::GifPicture{bytes, QImage()});
    EXPECT_EQ(control.FrameCount(), 3);
    EXPECT_EQ(control.decodedFrames(), 1);
    EXPECT_EQ(control.gifStream().Buffer, bytes);
    EXPECT_EQ(control.size(), QSize(16, 16));
    EXPECT_FALSE(control.deferredDecodingPending());
    EXPECT_FALSE(control.animationTimerActive());
    control.setAction(1);
    control.setAction(3);
    EXPECT_EQ(control.Action(), 0);
    EXPECT_EQ(control.CurrentFrame(), 1);
    EXPECT_TRUE(events.frameChanged.empty());
    EXPECT_TRUE(events.changes.contains("AnimatedGIF"));
    QImage target;
    control.renderFrame(target); // frame 1 and the dotted outline
    EXPECT_NE(qAlpha(target.pixel(0, 1)), 0);
    control.setAnimatedGIF(anigif::GifPicture());
    EXPECT_EQ(control.FrameCount(), 0);
}

TEST(ucAniGIFProperties, MouseEventsReportButtonsAndContainerUnits) {
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    control.resize(50, 50);
    std::vector<std::tuple<short, short, float, float>> downs;
    int clicks = 0;
    QObject::connect(&control, &ucAniGIF::MouseDown, &control,
                     [&](short b, short s, float x, float y) { downs.emplace_back(b, s, x, y); });
    QObject::connect(&control, &ucAniGIF::Click, &control, [&] { ++clicks; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3.5, 4), QPointF(3.5, 4), Qt::RightButton,
                      Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(&control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3.5, 4), QPointF(3.5, 4),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &release);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], std::make_tuple(short(2), short(5), 52.0f, 60.0f));
    EXPECT_EQ(clicks, 1);
}
