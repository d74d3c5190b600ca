// The block walk of GIF files: signature, tables, extensions, truncation, memory budget.
#include "ucAniGIFTestSupport.h"

#include "anigif/GifStream.h"

#include <gtest/gtest.h>

using anigif::GifStream;
using namespace uctest;

namespace {

constexpr int kHeader = 13 + 3 * 4; // the screen descriptor and a table of 4 colours

int parse(GifStream& gif, const QByteArray& bytes) {
    gif.Buffer = bytes;
    return anigif::ParseGif(gif);
}

int parse(const QByteArray& bytes) {
    GifStream gif;
    return parse(gif, bytes);
}

TestFrame plain(QRect rect, int seed = 1) {
    TestFrame f = patternFrame(rect, seed, 4);
    f.withControlBlock = false;
    return f;
}

QByteArray gifOf(const std::vector<TestFrame>& frames, QSize screen = QSize(4, 4)) {
    return makeGif(screen, rampTable(4, 0), frames, -1);
}

} // namespace

TEST(GifStreamParse, FramesCountedInWellAndBadlyFormedStreams) {
    const QByteArray one = gifOf({plain(QRect(0, 0, 4, 4))});
    const QByteArray frame = one.mid(kHeader); // descriptor, data and trailer
    const struct {
        const char* what;
        QByteArray bytes;
        int frames;
    } cases[] = {
        {"GIF89a", one, 1},
        {"gIf87A", "gIf87A" + one.mid(6), 1},
        {"GIF88a", "GIF88a" + one.mid(6), 0},
        {"short signature", "GIF89", 0},
        {"nothing", "", 0},
        {"ends before the packed byte", one.left(10), 0},
        {"no colour table", one.left(10) + char(one[10] & 0x7F) + one.mid(11, 2) + frame, 0},
        {"stray zero bytes and a comment",
         one.left(kHeader) + QByteArray("\0\0\0\x21\xFE\x05hello\0", 12) + frame.chopped(1) +
             QByteArray(2, '\0') + frame,
         2},
        {"no trailer", one.chopped(1) + frame.chopped(1), 2},
        {"unknown block", one.chopped(1) + "\x42" + frame, 1},
        {"65535 x 65535", bareFrames(1, 65535, 65535), 0},
        {"strip of 1.2 GB", bareFrames(2, 30000, 20000), 0},
        {"600 MB, no canvas for one frame", bareFrames(1, 30000, 20000), 1},
        {"60 frames of 1000 x 1000", bareFrames(60, 1000, 1000), 60},
        {"small strip, huge canvas",
         gifOf({plain(QRect(0, 0, 1, 1)), plain(QRect(60000, 60000, 1, 1))}, QSize(1, 1)), 0},
    };
    for (const auto& c : cases) {
        GifStream gif;
        EXPECT_EQ(parse(gif, c.bytes), c.frames) << c.what;
        EXPECT_EQ(int(gif.Frames.size()), c.frames) << c.what;
    }
    EXPECT_TRUE(anigif::CanvasWithinBudget(16384, 15872, 1048576));
    EXPECT_FALSE(anigif::CanvasWithinBudget(16384, 15872, 1048577));
}

TEST(GifStreamParse, GraphicControlGivesDelayDisposalAndTransparency) {
    // Written {disposal, delay in hundredths, transparent index}; read {disposal, delay in ms,
    // transparent, index}. Disposal 3 on frame 1 and unknown disposals read as 0.
    const int cases[4][7] = {{3, 7, 2, 0, 70, 1, 2},
                             {3, 0, -1, 3, 0, 0, 0},
                             {5, 65535, -1, 0, 655350, 0, 0},
                             {0, 0, -1, 0, 0, 0, 0}}; // no control block at all
    std::vector<TestFrame> frames;
    for (const auto& c : cases) {
        frames.push_back(patternFrame(QRect(0, 0, 4, 4), 1, 4));
        frames.back().disposal = c[0];
        frames.back().delayCs = c[1];
        frames.back().transparentIndex = c[2];
    }
    frames.back().withControlBlock = false;
    GifStream gif;
    ASSERT_EQ(parse(gif, gifOf(frames)), 4);
    for (int k = 1; k <= 4; ++k) {
        const anigif::GifFrame& f = gif.frame(k);
        EXPECT_EQ((std::vector<int>{f.Disposal, f.Delay, f.Transparent, f.TransparentIndex}),
                  (std::vector<int>(cases[k - 1] + 3, cases[k - 1] + 7)))
            << "frame " << k;
    }
}

TEST(GifStreamParse, LoopCountComesFromTheLastNetscapeBlock) {
    const QByteArray one = gifOf({plain(QRect(0, 0, 4, 4))});
    const auto loopsOf = [&](const QByteArray& blocks) {
        GifStream gif;
        EXPECT_EQ(parse(gif, one.left(kHeader) + blocks + one.mid(kHeader)), 1);
        return gif.LoopCount;
    };
    const auto block = [](int loops, const char* name) {
        return QByteArray("\x21\xFF\x0B", 3) + QByteArray(name, 11) + "\x03\x01" +
               char(loops & 255) + char(loops >> 8) + '\0';
    };
    EXPECT_EQ(loopsOf(""), 0);
    EXPECT_EQ(loopsOf(block(50, "NETSCAPE2.0") + block(1000, "netscape2.0")), 1000);
    EXPECT_EQ(loopsOf(block(7, "ANIMEXTS1.0")), 0);
    // A sub-block of 5 bytes, not 3: the walk steps back and skips it as data.
    EXPECT_EQ(loopsOf(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x05\x02\x10\x00\x00\x00\x00", 21)), 0);
}

TEST(GifStreamParse, TruncationKeepsTheFramesBeforeTheCut) {
    TestFrame second = plain(QRect(0, 0, 20, 20), 2);
    second.localTable = rampTable(16, 1);
    const int secondAt = int(gifOf({plain(QRect(0, 0, 20, 20))}, {20, 20}).size()) - 1;
    const QByteArray bytes = gifOf({plain(QRect(0, 0, 20, 20)), second}, {20, 20});
    const int dataAt = secondAt + 10 + 48;
    const int cut = (dataAt + int(bytes.size())) / 2;
    ASSERT_GT(cut, dataAt + 2);

    GifStream gif;
    // Cut inside the image data of frame 2: the frame stays, its range ends at the cut.
    ASSERT_EQ(parse(gif, bytes.left(cut)), 2);
    EXPECT_EQ(gif.FrameRanges[1].Offset + gif.FrameRanges[1].Length, cut);
    // Cut inside the descriptor or the local table of frame 2; inside or right after the
    // global table.
    for (int length : {secondAt + 6, secondAt + 10 + 20})
        EXPECT_EQ(parse(bytes.left(length)), 1) << length;
    for (int length : {15, kHeader})
        EXPECT_EQ(parse(bytes.left(length)), 0) << length;
}
