// Composed frames of ucAniGIF against a giflib-based reference composition and the corpus suite.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace uctest;
using anigif::GifFrame;

namespace {

// Every frame the control composes, and paints at actual size, equals the reference.
void expectMatchesReference(const QByteArray& bytes, const QString& what, int framesToCheck = -1) {
    const Reference ref = giflibCompose(bytes);
    ucAniGIF control;
    control.setStretch(0);
    if (!ref.composed.empty())
        control.resize(ref.composed.front().size());
    loadStopped(control, bytes);
    ASSERT_GT(control.FrameCount(), 0) << qPrintable(what);
    const int n = framesToCheck < 0 ? control.FrameCount() : framesToCheck;
    ASSERT_GE(int(ref.composed.size()), n) << qPrintable(what);
    for (int f = 1; f <= n; ++f) {
        stepTo(control, f);
        ASSERT_EQ(control.CurrentFrame(), f);
        EXPECT_EQ(imageDifference(control.composedFrame(), ref.composed[size_t(f - 1)]), QString())
            << qPrintable(what) << " frame " << f;
        QImage painted;
        control.renderFrame(painted);
        EXPECT_EQ(imageDifference(painted, ref.composed[size_t(f - 1)]), QString())
            << qPrintable(what) << " painted frame " << f;
    }
}

std::vector<QRgb> table256() {
    return rampTable(256, 1);
}

} // namespace

TEST(ucAniGIFComposition, DisposalMethodsOnPartialFramesMatchGiflib) {
    std::vector<TestFrame> frames;
    frames.push_back(patternFrame(QRect(0, 0, 64, 48), 1, 200));
    for (int disposal = 0; disposal <= 3; ++disposal) {
        TestFrame f =
            patternFrame(QRect(5 + disposal * 9, 4 + disposal * 5, 20, 17), disposal + 2, 256);
        f.disposal = disposal;
        frames.push_back(f);
        TestFrame g = patternFrame(QRect(30 - disposal * 4, 20, 25, 20), disposal + 7, 256);
        g.disposal = 3 - disposal;
        g.transparentIndex = 5 + disposal;
        frames.push_back(g);
    }
    expectMatchesReference(makeGif(QSize(64, 48), table256(), frames), "disposals");
}

TEST(ucAniGIFComposition, TransparencyLocalTablesAndInterlacingMatchGiflib) {
    std::vector<TestFrame> frames;
    TestFrame first = patternFrame(QRect(0, 0, 40, 33), 3, 16);
    first.transparentIndex = 2; // a see-through first frame needs the background under it
    first.interlaced = true;
    frames.push_back(first);
    TestFrame local = patternFrame(QRect(3, 7, 31, 19), 4, 8);
    local.localTable = rampTable(8, 9);
    local.transparentIndex = 0;
    local.interlaced = true;
    frames.push_back(local);
    TestFrame shortTable = patternFrame(QRect(10, 1, 9, 30), 5, 64); // indices past 16 colours
    shortTable.localTable = rampTable(16, 4);
    shortTable.disposal = 2;
    frames.push_back(shortTable);
    TestFrame plain = patternFrame(QRect(1, 2, 13, 11), 6, 4);
    plain.withControlBlock = false;
    frames.push_back(plain);
    expectMatchesReference(makeGif(QSize(40, 33), rampTable(4, 2), frames), "tables");
}

TEST(ucAniGIFComposition, FramesOutsideTheLogicalScreenWidenTheCanvas) {
    std::vector<TestFrame> frames;
    frames.push_back(patternFrame(QRect(0, 0, 20, 20), 1, 50));
    TestFrame outside = patternFrame(QRect(15, 12, 30, 25), 2, 50);
    outside.transparentIndex = 1;
    frames.push_back(outside);
    const QByteArray bytes = makeGif(QSize(20, 20), table256(), frames);
    ucAniGIF control;
    loadStopped(control, bytes);
    EXPECT_EQ(control.gifStream().CanvasWidth, 45);
    EXPECT_EQ(control.gifStream().CanvasHeight, 37);
    expectMatchesReference(bytes, "outside");
}

TEST(ucAniGIFComposition, AllFramesDisposedToBackgroundShowOnlyTheCurrentFrame) {
    std::vector<TestFrame> frames;
    for (int k = 0; k < 3; ++k) {
        TestFrame f = patternFrame(QRect(k * 6, k * 3, 20, 14), k, 30);
        f.disposal = 2;
        f.transparentIndex = 3;
        frames.push_back(f);
    }
    const QByteArray bytes = makeGif(QSize(32, 20), table256(), frames);
    expectMatchesReference(bytes, "disposal 2 without canvas");
}

TEST(ucAniGIFComposition, CutOffFileKeepsItsFramesAndPlaysThem) {
    std::vector<TestFrame> frames;
    for (int k = 0; k < 3; ++k)
        frames.push_back(patternFrame(QRect(k * 4, k * 2, 60, 50), k + 1, 256));
    const QByteArray whole = makeGif(QSize(70, 60), table256(), frames);
    const Reference ref = giflibCompose(whole);
    // Cut inside the third frame's image data.
    const int thirdDescriptor = int(whole.lastIndexOf(QByteArray("\x2C\x08\x00\x04\x00", 5)));
    ASSERT_GT(thirdDescriptor, 0);
    const QByteArray cut = whole.left(thirdDescriptor + (int(whole.size()) - thirdDescriptor) / 2);
    ucAniGIF control;
    loadStopped(control, cut);
    ASSERT_EQ(control.FrameCount(), 3);
    for (int f = 1; f <= 2; ++f) {
        stepTo(control, f);
        EXPECT_EQ(imageDifference(control.composedFrame(), ref.composed[size_t(f - 1)]), QString())
            << "frame " << f;
    }
    // The rows before the cut decode as in the whole file.
    stepTo(control, 3);
    EXPECT_EQ(imageDifference(control.composedFrame(), ref.composed[2], QRect(8, 4, 60, 10)),
              QString());
    QImage target;
    EXPECT_EQ(control.renderAllFrames(target), 3);
}

TEST(ucAniGIFComposition, CorpusSuiteMatchesGiflibAndExpectedFrames) {
    if (!corpusPresent())
        GTEST_SKIP() << "GIF corpus absent";
    const QDir suite(corpusPath("peterdn-gif-test-suite"));
    const QStringList files = suite.entryList({"*.gif"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QByteArray bytes = readFile(suite.filePath(name));
        expectMatchesReference(bytes, name);
        const QString stem = name.chopped(4);
        // Disposal 3 on the first frame counts as 0 here, so that file's later expected frames
        // (which restore to nothing) do not apply; the reference above covers it.
        const bool firstFrameRestores = stem.contains("firstframerestoreprev");
        ucAniGIF control;
        loadStopped(control, bytes);
        for (int f = 1; f <= control.FrameCount(); ++f) {
            const QString expectedName = control.FrameCount() == 1
                                             ? stem + ".png"
                                             : QStringLiteral("%1-%2.png").arg(stem).arg(f - 1);
            const QImage expected(suite.filePath("frames/" + expectedName));
            if (expected.isNull() || (firstFrameRestores && f > 1))
                continue;
            stepTo(control, f);
            const QImage composed = control.composedFrame();
            // Expected frames cover the 100 x 100 logical screen; the canvas is the frames' extent.
            const QRect shared = composed.rect() & expected.rect();
            EXPECT_EQ(imageDifference(composed.copy(shared), expected.copy(shared)), QString())
                << qPrintable(expectedName);
        }
    }
}

TEST(ucAniGIFComposition, FirstFrameRestoringToPreviousActsAsDisposalZero) {
    if (!corpusPresent())
        GTEST_SKIP() << "GIF corpus absent";
    const QByteArray bytes = readFile(
        corpusPath("peterdn-gif-test-suite/animated_transparent_firstframerestoreprev_loop.gif"));
    ucAniGIF control;
    loadStopped(control, bytes);
    ASSERT_GT(control.FrameCount(), 1);
    EXPECT_EQ(control.gifStream().frame(1).Disposal, 0);
    // Frame 1 stays on the canvas around frame 2 instead of being restored to nothing.
    const QImage first = control.composedFrame();
    stepTo(control, 2);
    const QImage second = control.composedFrame();
    const GifFrame& f2 = control.gifStream().frame(2);
    const QRect secondRect(f2.Left, f2.Top, f2.Width, f2.Height);
    int keptOpaque = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            if (!secondRect.contains(x, y)) {
                ASSERT_EQ(second.pixel(x, y), first.pixel(x, y)) << x << "," << y;
                keptOpaque += qAlpha(first.pixel(x, y)) ? 1 : 0;
            }
    EXPECT_GT(keptOpaque, 0);
}

TEST(ucAniGIFComposition, RealAnimationsFromTheCorpusMatchGiflib) {
    if (!corpusPresent())
        GTEST_SKIP() << "GIF corpus absent";
    for (const char* name : {"giflib/welcome2.gif", "giflib/fire.gif", "giflib/x-trans.gif",
                             "giflib/treescap-interlaced.gif", "wuffs/animated-red-blue.gif",
                             "wuffs/hippopotamus.interlaced.gif", "wuffs/hippopotamus.regular.gif",
                             "wuffs/transparent-index.gif", "wuffs/background-color.gif",
                             "wuffs/small-frame-interlaced.gif", "wuffs/frame-out-of-bounds.gif"})
        expectMatchesReference(readFile(corpusPath(name)), name);
}

TEST(ucAniGIFComposition, InterlacedAndProgressiveCopiesShowTheSamePicture) {
    if (!corpusPresent())
        GTEST_SKIP() << "GIF corpus absent";
    ucAniGIF interlaced;
    loadStopped(interlaced, readFile(corpusPath("wuffs/hippopotamus.interlaced.gif")));
    ucAniGIF regular;
    loadStopped(regular, readFile(corpusPath("wuffs/hippopotamus.regular.gif")));
    EXPECT_EQ(imageDifference(interlaced.composedFrame(), regular.composedFrame()), QString());
}

TEST(ucAniGIFComposition, MalformedCorpusFilesLoadAndPaintCleanlyOrFail) {
    if (!corpusPresent())
        GTEST_SKIP() << "GIF corpus absent";
    QStringList paths;
    for (const QString& dir : {QStringLiteral("libnsgif/ns-afl-gif"), QStringLiteral("libnsgif"),
                               QStringLiteral("wuffs")}) {
        const QDir d(corpusPath(dir));
        for (const QString& name : d.entryList({"*.gif"}, QDir::Files))
            paths << d.filePath(name);
    }
    ASSERT_FALSE(paths.isEmpty());
    ucAniGIF control;
    control.resize(120, 90);
    control.setDelayAnimation(2);
    for (const QString& path : paths) {
        if (control.LoadAnimatedGIF_Array(readFile(path))) {
            control.deferredDecodingTick();
            QImage target;
            EXPECT_EQ(control.renderAllFrames(target), control.FrameCount()) << qPrintable(path);
            EXPECT_FALSE(control.composedFrame().isNull()) << qPrintable(path);
        } else {
            EXPECT_EQ(control.FrameCount(), 0) << qPrintable(path);
            EXPECT_EQ(control.CurrentFrame(), 0) << qPrintable(path);
        }
    }
}

namespace {

// Largest difference of one colour channel between two pictures of one size.
int largestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int shift = 0; shift < 32; shift += 8)
                largest = std::max(largest,
                                   std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
        }
    return largest;
}

// Playing through the loop twice and painting only the area each step asked to repaint, onto
// the picture the steps before left, gives what a whole repaint gives.
void expectChangedAreasSuffice(const QByteArray& bytes, int stretch, QSize size,
                               const QString& what) {
    ucAniGIF control;
    control.setStretch(stretch);
    control.resize(size);
    loadStopped(control, bytes);
    ASSERT_GT(control.FrameCount(), 1) << qPrintable(what);
    QImage partial;
    control.renderFrame(partial);
    for (int step = 1; step <= 2 * control.FrameCount(); ++step) {
        control.setAction(3);
        control.renderFrame(partial, control.changedArea());
        QImage whole;
        control.renderFrame(whole);
        // Smooth scaling of a clipped part may round a channel the other way.
        const int tolerance = control.scaleX() == 1.0f && control.scaleY() == 1.0f ? 0 : 1;
        ASSERT_EQ(partial.size(), whole.size());
        const QString difference = largestChannelDifference(partial, whole) <= tolerance
                                       ? QString()
                                       : imageDifference(partial, whole);
        EXPECT_TRUE(difference.isEmpty())
            << qPrintable(what) << " step " << step << " frame " << control.CurrentFrame() << ": "
            << qPrintable(difference);
    }
}

} // namespace

TEST(ucAniGIFComposition, RepaintingOnlyTheChangedAreaShowsTheWholeFrame) {
    std::vector<TestFrame> frames;
    frames.push_back(patternFrame(QRect(4, 3, 50, 40), 1, 200));
    for (int disposal = 0; disposal <= 3; ++disposal) {
        TestFrame f =
            patternFrame(QRect(2 + disposal * 9, 5 + disposal * 4, 21, 16), disposal, 256);
        f.disposal = disposal;
        f.transparentIndex = 7 + disposal;
        frames.push_back(f);
    }
    const QByteArray accumulating = makeGif(QSize(64, 48), table256(), frames);
    expectChangedAreasSuffice(accumulating, 0, QSize(64, 48), "canvas at actual size");
    expectChangedAreasSuffice(accumulating, 2, QSize(150, 77), "canvas stretched");

    for (TestFrame& f : frames)
        f.disposal = 2;
    const QByteArray alone = makeGif(QSize(64, 48), table256(), frames);
    expectChangedAreasSuffice(alone, 0, QSize(64, 48), "frames alone at actual size");
    expectChangedAreasSuffice(alone, 1, QSize(100, 90), "frames alone scaled");
}
