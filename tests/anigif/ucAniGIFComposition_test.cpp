// Composed frames of ucAniGIF against a giflib-based reference composition and the corpus suite.
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace uctest;

namespace {

// Every frame the control composes, and paints at actual size, equals the reference.
void expectMatchesReference(const QByteArray& bytes, const QString& what) {
    const std::vector<QImage> reference = giflibCompose(bytes);
    ucAniGIF control;
    control.setStretch(0);
    if (!reference.empty())
        control.resize(reference.front().size());
    loadStopped(control, bytes);
    ASSERT_GT(control.FrameCount(), 0) << qPrintable(what);
    ASSERT_GE(int(reference.size()), control.FrameCount()) << qPrintable(what);
    for (int f = 1; f <= control.FrameCount(); ++f) {
        stepTo(control, f);
        ASSERT_EQ(control.CurrentFrame(), f);
        EXPECT_EQ(imageDifference(control.composedFrame(), reference[size_t(f - 1)]), QString())
            << qPrintable(what) << " frame " << f;
        QImage painted;
        control.renderFrame(painted);
        EXPECT_EQ(imageDifference(painted, reference[size_t(f - 1)]), QString())
            << qPrintable(what) << " painted frame " << f;
    }
}

TestFrame frame(QRect rect, int seed, int colours, int disposal, int transparentIndex = -1) {
    TestFrame f = patternFrame(rect, seed, colours);
    f.disposal = disposal;
    f.transparentIndex = transparentIndex;
    return f;
}

} // namespace

TEST(ucAniGIFComposition, DisposalsTransparencyTablesAndFramesOffScreenMatchGiflib) {
    // Disposal 3 on the first frame, and the unknown 5, act as 0.
    std::vector<TestFrame> disposals{frame(QRect(0, 0, 64, 48), 1, 200, 3)};
    for (int d : {0, 1, 2, 3, 5}) {
        disposals.push_back(frame(QRect(5 + d * 8, 4 + d * 5, 20, 17), d + 2, 256, d));
        disposals.push_back(
            frame(QRect(30 - d * 4, 20, 25, 20), d + 7, 256, std::max(0, 3 - d), 5 + d));
    }
    expectMatchesReference(makeGif(QSize(64, 48), rampTable(256, 1), disposals), "disposals");

    // A see-through first frame needs the background under it.
    std::vector<TestFrame> tables{frame(QRect(0, 0, 40, 33), 3, 16, 1, 2),
                                  frame(QRect(3, 7, 31, 19), 4, 8, 1, 0),
                                  frame(QRect(10, 1, 9, 30), 5, 64, 2), // indices past 16 colours
                                  patternFrame(QRect(1, 2, 13, 11), 6, 4)};
    tables[0].interlaced = tables[1].interlaced = true;
    tables[1].localTable = rampTable(8, 9);
    tables[2].localTable = rampTable(16, 4);
    tables[3].withControlBlock = false;
    expectMatchesReference(makeGif(QSize(40, 33), rampTable(4, 2), tables), "tables");

    // The canvas grows to hold a frame outside the logical screen.
    expectMatchesReference(makeGif(QSize(20, 20), rampTable(256, 1),
                                   {patternFrame(QRect(0, 0, 20, 20), 1, 50),
                                    frame(QRect(15, 12, 30, 25), 2, 50, 1, 1)}),
                           "outside");
}

TEST(ucAniGIFComposition, CutOffFileKeepsItsFramesAndPlaysThem) {
    std::vector<TestFrame> frames;
    for (int k = 0; k < 3; ++k)
        frames.push_back(patternFrame(QRect(k * 4, k * 2, 60, 50), k + 1, 256));
    const QByteArray whole = makeGif(QSize(70, 60), rampTable(256, 1), frames);
    const std::vector<QImage> reference = giflibCompose(whole);
    // Cut inside the third frame's image data: the rows before the cut decode as in the whole.
    const int third = int(whole.lastIndexOf(QByteArray("\x2C\x08\x00\x04\x00", 5)));
    ASSERT_GT(third, 0);
    ucAniGIF control;
    loadStopped(control, whole.left(third + (int(whole.size()) - third) / 2));
    ASSERT_EQ(control.FrameCount(), 3);
    for (int f = 1; f <= 3; ++f) {
        stepTo(control, f);
        EXPECT_EQ(imageDifference(control.composedFrame(), reference[size_t(f - 1)],
                                  f < 3 ? QRect() : QRect(8, 4, 60, 10)),
                  QString())
            << "frame " << f;
    }
    QImage target;
    EXPECT_EQ(control.renderAllFrames(target), 3);
}

TEST(ucAniGIFComposition, CorpusMatchesGiflibAndTheSuitesExpectedFrames) {
    SKIP_WITHOUT_CORPUS();
    for (const char* name : {"giflib/welcome2.gif", "giflib/fire.gif", "giflib/x-trans.gif",
                             "giflib/treescap-interlaced.gif", "wuffs/animated-red-blue.gif",
                             "wuffs/hippopotamus.interlaced.gif", "wuffs/transparent-index.gif",
                             "wuffs/background-color.gif", "wuffs/small-frame-interlaced.gif",
                             "wuffs/frame-out-of-bounds.gif"})
        expectMatchesReference(corpusFile(name), name);
    const QStringList files = corpusGifs("peterdn-gif-test-suite");
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QByteArray bytes = corpusFile(name);
        expectMatchesReference(bytes, name);
        const QString stem = name.chopped(4).replace("suite/", "suite/frames/");
        // Disposal 3 on the first frame counts as 0 here, so that file's later expected frames
        // (which restore to nothing) do not apply; the reference above covers it.
        const bool firstFrameRestores = stem.contains("firstframerestoreprev");
        ucAniGIF control;
        loadStopped(control, bytes);
        for (int f = 1; f <= control.FrameCount(); ++f) {
            const QString expectedName = control.FrameCount() == 1
                                             ? stem + ".png"
                                             : QStringLiteral("%1-%2.png").arg(stem).arg(f - 1);
            const QImage expected(QStringLiteral(NIMBRISCO_GIF_CORPUS "/") + expectedName);
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

TEST(ucAniGIFComposition, MalformedCorpusFilesLoadAndPaintCleanlyOrFail) {
    SKIP_WITHOUT_CORPUS();
    const QStringList names =
        corpusGifs("libnsgif/ns-afl-gif") + corpusGifs("libnsgif") + corpusGifs("wuffs");
    ASSERT_GE(names.size(), 281);
    ucAniGIF control;
    control.resize(120, 90);
    control.setDelayAnimation(2);
    int loaded = 0;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        if (!control.LoadAnimatedGIF_Array(corpusFile(name))) {
            EXPECT_EQ(std::make_pair(control.FrameCount(), control.CurrentFrame()),
                      std::make_pair(0, 0));
            continue;
        }
        ++loaded;
        control.deferredDecodingTick();
        const anigif::GifStream& gif = control.gifStream();
        for (const anigif::GifFrame& f : gif.Frames)
            ASSERT_TRUE(f.StripX + f.Width <= gif.FrameStrip.width() &&
                        f.Height <= gif.FrameStrip.height() &&
                        f.Left + f.Width <= gif.CanvasWidth && f.Top + f.Height <= gif.CanvasHeight)
                << "frame at strip x " << f.StripX;
        QImage target;
        EXPECT_EQ(control.renderAllFrames(target), control.FrameCount());
        EXPECT_FALSE(control.composedFrame().isNull());
    }
    EXPECT_GT(loaded, 0);
}

namespace {

// Playing through the loop twice and painting only the area each step asked to repaint, onto
// the picture the steps before left, gives what a whole repaint gives.
void expectChangedAreasSuffice(const QByteArray& bytes, int stretch, QSize size) {
    SCOPED_TRACE(testing::Message() << "stretch " << stretch);
    ucAniGIF control;
    control.setStretch(stretch);
    control.resize(size);
    loadStopped(control, bytes);
    ASSERT_GT(control.FrameCount(), 1);
    // Smooth scaling of a clipped part may round a channel the other way.
    const int tolerance = control.scaleX() == 1.0f && control.scaleY() == 1.0f ? 0 : 1;
    QImage partial;
    control.renderFrame(partial);
    for (int step = 1; step <= 2 * control.FrameCount(); ++step) {
        control.setAction(3);
        control.renderFrame(partial, control.changedArea());
        QImage whole;
        control.renderFrame(whole);
        ASSERT_EQ(partial.size(), whole.size());
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                for (int shift = 0; shift < 32; shift += 8)
                    ASSERT_LE(std::abs(int((partial.pixel(x, y) >> shift) & 255) -
                                       int((whole.pixel(x, y) >> shift) & 255)),
                              tolerance)
                        << "step " << step << ": " << qPrintable(imageDifference(partial, whole));
    }
}

} // namespace

TEST(ucAniGIFComposition, RepaintingOnlyTheChangedAreaShowsTheWholeFrame) {
    std::vector<TestFrame> frames{patternFrame(QRect(4, 3, 50, 40), 1, 200)};
    for (int d = 0; d <= 3; ++d)
        frames.push_back(frame(QRect(2 + d * 9, 5 + d * 4, 21, 16), d, 256, d, 7 + d));
    const QByteArray accumulating = makeGif(QSize(64, 48), rampTable(256, 1), frames);
    expectChangedAreasSuffice(accumulating, 0, QSize(64, 48));
    expectChangedAreasSuffice(accumulating, 2, QSize(150, 77));

    // Every frame disposed to the background: drawn without a canvas.
    for (TestFrame& f : frames)
        f.disposal = 2;
    const QByteArray alone = makeGif(QSize(64, 48), rampTable(256, 1), frames);
    expectMatchesReference(alone, "frames alone");
    expectChangedAreasSuffice(alone, 0, QSize(64, 48));
    expectChangedAreasSuffice(alone, 1, QSize(100, 90));
}
