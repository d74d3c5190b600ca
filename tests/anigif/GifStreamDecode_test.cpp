// Decoding frames into the strip, compared index for index with giflib's decoding.
#include "ucAniGIFTestSupport.h"

#include "anigif/GifStream.h"

#include <gtest/gtest.h>

using anigif::GifStream;
using namespace uctest;

namespace {

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
