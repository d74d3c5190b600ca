// ucAniGIF properties: change reports, stretch and sizing, palettes, mirroring, painting,
// AnimatedGIF.
#include "ucAniGIFTestSupport.h"

#include "anigif/OleColor.h"
#include "anigif/ScaleRules.h"
#include "anigif/ucAniGIF.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <gif_lib.h>
#include <gtest/gtest.h>

using namespace uctest;
using anigif::computeScale;

namespace {

QByteArray squareGif(int side, int frames = 2, bool localTables = false) {
    std::vector<TestFrame> list;
    for (int k = 0; k < frames; ++k) {
        TestFrame f = patternFrame(QRect(k, k * 2, side - k, side - k * 2), k + 1, 16);
        if (localTables && k > 0)
            f.localTable = rampTable(16, k + 5);
        f.transparentIndex = k > 0 ? 3 : -1;
        list.push_back(f);
    }
    return makeGif(QSize(side, side), rampTable(256, 2), list);
}

struct ScaleCase {
    int mode;
    bool autoSize;
    QSize control;
    float sx, sy;
    QSize wanted;
};

class StretchModes : public ::testing::TestWithParam<ScaleCase> {};

} // namespace

TEST_P(StretchModes, FactorsAndWantedSize) {
    const ScaleCase c = GetParam();
    const auto r = computeScale(c.mode, c.autoSize, c.control, QSize(100, 100));
    EXPECT_FLOAT_EQ(r.scaleX, c.sx);
    EXPECT_FLOAT_EQ(r.scaleY, c.sy);
    EXPECT_EQ(r.wanted, c.wanted);
}

INSTANTIATE_TEST_SUITE_P(
    ucAniGIFProperties, StretchModes,
    ::testing::Values(ScaleCase{0, false, QSize(30, 40), 1, 1, QSize(30, 40)},
                      ScaleCase{1, false, QSize(200, 100), 1, 1, QSize(200, 100)},
                      ScaleCase{1, true, QSize(200, 100), 1, 1, QSize(100, 100)},
                      ScaleCase{1, true, QSize(50, 80), 0.5f, 0.5f, QSize(50, 50)},
                      ScaleCase{2, false, QSize(200, 50), 2, 0.5f, QSize(200, 50)},
                      ScaleCase{2, true, QSize(200, 50), 2, 0.5f, QSize(200, 50)},
                      ScaleCase{3, false, QSize(200, 200), 1, 1, QSize(200, 200)},
                      ScaleCase{3, true, QSize(200, 200), 1, 1, QSize(100, 100)},
                      ScaleCase{3, false, QSize(50, 100), 0.5f, 0.5f, QSize(50, 100)},
                      ScaleCase{4, false, QSize(7, 9), 1, 1, QSize(100, 100)}),
    [](const ::testing::TestParamInfo<ScaleCase>& info) {
        const ScaleCase& c = info.param;
        return "mode" + std::to_string(c.mode) + (c.autoSize ? "_autosize_" : "_") +
               std::to_string(c.control.width()) + "x" + std::to_string(c.control.height());
    });

TEST(ucAniGIFProperties, WritesReportChangesUnderTheirPersistedNames) {
    ucAniGIF control;
    EventLog events(control);
    control.setAutoSize(true);
    control.setEnabled(false);
    control.setStretch(2);
    control.setMinFrameDelay(80);
    control.setLoops(4);
    control.setMirrored(1);
    control.setDelayAnimation(3);
    control.setMousePointer(11);
    control.setMouseIcon(QPixmap());
    control.setOffsetX(5);
    control.setOffsetY(6);
    control.setBackColor(255);
    control.setBackStyle(1);
    control.setSteppedDelay(100);
    EXPECT_EQ(events.changes,
              (QStringList{"AutoSize", "Enabled", "Stretch", "Delay", "Loops", "Mirrored",
                           "DelayAnimation", "MousePointer", "MouseIcon", "OffsetX", "OffsetY",
                           "BackColor", "BackStyle", "SteppedDelay"}));
    EXPECT_EQ(control.MousePointer(), 0); // a cleared icon clears the pointer too
    // Values out of range are ignored and report nothing.
    events.changes.clear();
    control.setStretch(5);
    control.setMirrored(4);
    control.setDelayAnimation(-1);
    control.setBackStyle(2);
    control.setMinFrameDelay(80);
    control.setFrameCount(9);
    EXPECT_TRUE(events.changes.isEmpty());
    EXPECT_EQ(control.Stretch(), 2);
    EXPECT_EQ(control.Mirrored(), 1);
    EXPECT_EQ(control.DelayAnimation(), 3);
    EXPECT_EQ(control.BackStyle(), 1);
    EXPECT_EQ(control.FrameCount(), 0);
}

TEST(ucAniGIFProperties, AutoSizeAndActualSizeFollowTheCanvas) {
    ucAniGIF control;
    control.setContainerUnitsPerPixel(15);
    control.resize(200, 100);
    loadStopped(control, squareGif(100));
    EXPECT_EQ(control.size(), QSize(200, 100));
    EXPECT_FLOAT_EQ(control.scaleX(), 1.0f);
    control.setAutoSize(true);
    EXPECT_EQ(control.size(), QSize(100, 100));
    EXPECT_EQ(control.ActualWidth(), 1500);
    EXPECT_EQ(control.ActualHeight(), 1500);
    control.setStretch(4);
    control.show();
    control.resize(30, 30);
    EXPECT_EQ(control.size(), QSize(100, 100)); // mode 4 holds the GIF's own size
}

TEST(ucAniGIFProperties, StretchWriteReturnsToThePlayState) {
    ucAniGIF control;
    control.resize(50, 50);
    loadStopped(control, squareGif(100, 3));
    control.setAction(3);
    EventLog events(control);
    control.setStretch(2); // paused by the step: stays paused on its frame
    EXPECT_EQ(control.Action(), 2);
    EXPECT_EQ(control.CurrentFrame(), 2);
    control.setAction(3);
    control.setAction(0);
    control.setAction(3);
    control.setAction(2);
    control.setAction(0);
    events.frameChanged.clear();
    control.setStretch(1); // stopped: back to frame 1, reported
    EXPECT_EQ(control.Action(), 0);
    EXPECT_EQ(events.last(), std::make_pair(1, false));
}

TEST(ucAniGIFProperties, PalettesReadReplaceCacheAndRestore) {
    ucAniGIF control;
    EXPECT_FALSE(control.CacheColorTables()); // no GIF
    loadStopped(control, squareGif(20, 3, true));
    QVector<qint32> global;
    ASSERT_TRUE(control.GetPalette(0, global));
    ASSERT_EQ(global.size(), 256);
    EXPECT_EQ(global[1], qint32(rampTable(256, 2)[1] & 0xFFFFFF));
    QVector<qint32> local;
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
    const QImage green = control.composedFrame();
    EXPECT_EQ(green.pixel(5, 5), 0xFF00FF00u);
    EXPECT_TRUE(control.RestoreColorTables(true));
    EXPECT_EQ(imageDifference(control.composedFrame(), before), QString());
    EXPECT_FALSE(control.RestoreColorTables(false)); // the cache was released
}

TEST(ucAniGIFProperties, MirroringThereAndBackRestoresEveryFrame) {
    ucAniGIF control;
    loadStopped(control, squareGif(30, 3));
    std::vector<QImage> original;
    std::vector<QPoint> offsets;
    for (int f = 1; f <= 3; ++f) {
        stepTo(control, f);
        original.push_back(control.composedFrame());
        offsets.emplace_back(control.gifStream().frame(f).Left, control.gifStream().frame(f).Top);
    }
    control.setMirrored(3);
    for (int f = 1; f <= 3; ++f) {
        stepTo(control, f);
        EXPECT_EQ(
            imageDifference(control.composedFrame(), original[size_t(f - 1)].mirrored(true, true)),
            QString())
            << "frame " << f;
    }
    control.setMirrored(1);
    stepTo(control, 2);
    EXPECT_EQ(imageDifference(control.composedFrame(), original[1].mirrored(true, false)),
              QString());
    control.setMirrored(0);
    for (int f = 1; f <= 3; ++f) {
        stepTo(control, f);
        EXPECT_EQ(imageDifference(control.composedFrame(), original[size_t(f - 1)]), QString());
        EXPECT_EQ(QPoint(control.gifStream().frame(f).Left, control.gifStream().frame(f).Top),
                  offsets[size_t(f - 1)]);
    }
}

TEST(ucAniGIFProperties, MirrorStyleSetBeforeLoadingAppliesToDeferredFrames) {
    ucAniGIF reference;
    loadStopped(reference, squareGif(24, 3));
    stepTo(reference, 3);
    const QImage plain = reference.composedFrame();
    ucAniGIF control;
    control.setMirrored(2);
    control.setDelayAnimation(2);
    ASSERT_TRUE(control.LoadAnimatedGIF_Array(squareGif(24, 3)));
    control.deferredDecodingTick();
    stepTo(control, 3);
    EXPECT_EQ(imageDifference(control.composedFrame(), plain.mirrored(false, true)), QString());
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
    // giflib reads it as one frame of the frame's size with the frame's pixels.
    const Reference ref = giflibCompose(picture.gif);
    ASSERT_EQ(ref.composed.size(), 1u);
    const anigif::GifFrame& f2 = control.gifStream().frame(2);
    const QImage cell = control.composedFrame().copy(f2.Left, f2.Top, f2.Width, f2.Height);
    ASSERT_EQ(ref.composed[0].size(), QSize(f2.Width, f2.Height));
    int seeThrough = 0;
    for (int y = 0; y < f2.Height; ++y) {
        for (int x = 0; x < f2.Width; ++x) {
            if (qAlpha(ref.composed[0].pixel(x, y)) == 0) {
                ++seeThrough; // the frame's transparent index stays transparent
                continue;
            }
            ASSERT_EQ(ref.composed[0].pixel(x, y), cell.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(seeThrough, 0);
    EXPECT_EQ(picture.image.size(), QSize(f2.Width, f2.Height));
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
