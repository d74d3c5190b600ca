// GIF streams: the block walk (signature, tables, extensions, truncation, memory budget) and
// the frames decoded into the strip, index for index against giflib.
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

TestFrame plain(QRect rect, int seed = 1) {
    TestFrame f = patternFrame(rect, seed, 4);
    f.withControlBlock = false;
    return f;
}

QByteArray gifOf(const std::vector<TestFrame>& frames, QSize screen = QSize(4, 4)) {
    return makeGif(screen, rampTable(4, 0), frames, -1);
}

std::vector<uint8_t> cellOf(const GifStream& gif, int k) {
    const anigif::GifFrame& f = gif.frame(k);
    std::vector<uint8_t> out;
    for (int y = 0; y < f.Height; ++y)
        out.insert(out.end(), gif.FrameStrip.cell(f.StripX, y),
                   gif.FrameStrip.cell(f.StripX, y) + f.Width);
    return out;
}

int load(GifStream& gif, const QByteArray& bytes) {
    gif.Buffer = bytes;
    return anigif::LoadAndDecodeAll(gif);
}

} // namespace

TEST(GifStreamParse, FramesCountedInWellAndBadlyFormedStreams) {
    const QByteArray one = gifOf({plain(QRect(0, 0, 4, 4))});
    const QByteArray frame = one.mid(kHeader); // descriptor, data and trailer
    TestFrame local = plain(QRect(0, 0, 4, 4), 2);
    local.localTable = rampTable(16, 1);
    const QByteArray two = gifOf({plain(QRect(0, 0, 4, 4)), local});
    const int secondAt = int(one.size()) - 1;
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
        {"cut in the global table", one.left(15), 0},
        {"cut right after the global table", one.left(kHeader), 0},
        {"cut in frame 2's descriptor", two.left(secondAt + 6), 1},
        {"cut in frame 2's local table", two.left(secondAt + 10 + 20), 1},
        {"cut in frame 2's data", two.chopped(4), 2},
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

TEST(GifStreamDecode, CorpusFramesMatchGiflibIndexForIndex) {
    SKIP_WITHOUT_CORPUS();
    QStringList names = corpusGifs("peterdn-gif-test-suite") + corpusGifs("giflib");
    for (const char* wuffs : {"animated-red-blue", "background-color", "hippopotamus.interlaced",
                              "hippopotamus.regular", "multiple-graphic-controls",
                              "multiple-loop-counts", "small-frame-interlaced", "transparent-index",
                              "frame-out-of-bounds", "pixel-data-too-much-good-lzw"})
        names << QStringLiteral("wuffs/%1.gif").arg(wuffs);
    ASSERT_GE(names.size(), 20);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = corpusFile(name);
        const Giflib reference(bytes);
        ASSERT_TRUE(reference.complete);
        GifStream gif;
        ASSERT_EQ(load(gif, bytes), reference.file->ImageCount);
        for (int k = 1; k <= gif.FrameCount(); ++k) {
            const GifImageDesc& d = reference.file->SavedImages[k - 1].ImageDesc;
            const anigif::GifFrame& f = gif.frame(k);
            EXPECT_EQ(QRect(f.Left, f.Top, f.Width, f.Height),
                      QRect(d.Left, d.Top, d.Width, d.Height));
            EXPECT_TRUE(cellOf(gif, k) == reference.indices(k - 1)) << "frame " << k;
        }
    }
}

TEST(GifStreamDecode, CutOffAndBrokenPixelDataKeepWhatWasDecoded) {
    SKIP_WITHOUT_CORPUS();
    GifStream full, cut;
    ASSERT_EQ(load(full, corpusFile("wuffs/hippopotamus.interlaced.gif")), 1);
    ASSERT_EQ(load(cut, corpusFile("wuffs/hippopotamus.interlaced.truncated.gif")), 1);
    const std::vector<uint8_t> a = cellOf(full, 1), b = cellOf(cut, 1);
    ASSERT_EQ(a.size(), b.size());
    // The first interlace pass arrived in part: its first row is complete, the rest is 0.
    EXPECT_TRUE(std::equal(a.begin(), a.begin() + full.frame(1).Width, b.begin()));
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_TRUE(b[i] == a[i] || b[i] == 0) << i;

    // 2 x 2 frames whose pixel data is missing, short, or has a bad code after 4 good pixels.
    GifStream gif, good;
    for (const char* name :
         {"pixel-data-not-enough", "pixel-data-none", "pixel-data-too-much-bad-lzw"})
        ASSERT_GE(load(gif, corpusFile(QStringLiteral("wuffs/%1.gif").arg(name))), 1) << name;
    load(good, corpusFile("wuffs/pixel-data-too-much-good-lzw.gif"));
    EXPECT_TRUE(cellOf(gif, 1) == cellOf(good, 1));
}

TEST(GifStreamDecode, StripsDecodeWithoutOverrunSmallOrMapped) {
    std::vector<TestFrame> small{patternFrame(QRect(0, 0, 3, 2), 1, 4),
                                 patternFrame(QRect(1, 1, 4, 3), 2, 4)};
    GifStream first;
    first.Buffer = makeGif(QSize(8, 8), rampTable(4, 0), small);
    ASSERT_EQ(anigif::ParseGif(first), 2);
    ASSERT_TRUE(anigif::CreateStrip(first, false)); // room for frame 1 only
    ASSERT_TRUE(anigif::DecodeStripFrames(first, 1, 2));
    EXPECT_TRUE(cellOf(first, 1) == small[0].pixels);
    EXPECT_FALSE(anigif::DecodeStripFrames(first, 2, 3));
    GifStream empty;
    EXPECT_EQ(load(empty, bareFrames(1, 0, 0)), 0);

    // 3 x 1600 x 1000 is beyond the size kept on the heap: the strip is mapped memory.
    const QRect rect(0, 0, 1600, 1000);
    std::vector<TestFrame> frames(3);
    for (int f = 0; f < 3; ++f) {
        frames[size_t(f)].rect = rect;
        frames[size_t(f)].interlaced = f == 1;
        for (int y = 0; y < rect.height(); ++y)
            for (int x = 0; x < rect.width(); ++x)
                frames[size_t(f)].pixels.push_back(uint8_t((x / (f + 3)) ^ (y / 7)));
    }
    GifStream gif;
    ASSERT_EQ(load(gif, makeGif(rect.size(), rampTable(256, 0), frames)), 3);
    GifStream moved(std::move(gif));
    EXPECT_TRUE(gif.FrameStrip.isNull());
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(cellOf(moved, k) == frames[size_t(k - 1)].pixels) << k;
    // One frame alone is decoded in place, in the strip itself.
    GifStream single;
    ASSERT_EQ(load(single, makeGif(rect.size(), rampTable(256, 0), {frames[1]})), 1);
    EXPECT_TRUE(cellOf(single, 1) == frames[1].pixels);
}
