// Decoding frames into the strip, compared with giflib and with the corpus' expected output.
#include "GifStreamSupport_test.h"
#include "anigif/GifStream.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using anigif::GifStream;
using giftest::GifWriter;

namespace {

#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!QFileInfo::exists(giftest::corpusDir()))                                                  \
    GTEST_SKIP() << "no GIF corpus at " << NIMBRISCO_GIF_CORPUS

std::vector<uint8_t> cellOf(const GifStream& gif, int k) {
    const anigif::GifFrame& f = gif.frame(k);
    std::vector<uint8_t> out;
    for (int y = 0; y < f.Height; ++y) {
        const uint8_t* row = gif.FrameStrip.cell(f.StripX, y);
        out.insert(out.end(), row, row + f.Width);
    }
    return out;
}

int load(GifStream& gif, const QByteArray& bytes) {
    gif.Buffer = bytes;
    return anigif::LoadAndDecodeAll(gif);
}

// Every frame both decoders accept must hold the same indices.
void expectSameAsGiflib(const QString& name) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray bytes = giftest::readCorpusFile(name);
    ASSERT_FALSE(bytes.isEmpty());
    const giftest::GiflibImage reference = giftest::giflibSlurp(bytes);
    ASSERT_TRUE(reference.ok);
    GifStream gif;
    const int count = load(gif, bytes);
    ASSERT_EQ(std::size_t(count), reference.frames.size());
    for (int k = 1; k <= count; ++k) {
        const auto& expected = reference.frames[std::size_t(k - 1)];
        EXPECT_EQ(gif.frame(k).Width, expected.width);
        EXPECT_EQ(gif.frame(k).Left, expected.left);
        EXPECT_TRUE(cellOf(gif, k) == expected.indices) << "frame " << k;
    }
}

} // namespace

TEST(GifStreamDecode, CorpusFramesMatchGiflibIndexForIndex) {
    SKIP_WITHOUT_CORPUS();
    QStringList names = giftest::corpusGifs(QStringLiteral("peterdn-gif-test-suite")) +
                        giftest::corpusGifs(QStringLiteral("giflib"));
    for (const char* wuffs :
         {"animated-red-blue.gif", "background-color.gif", "hippopotamus.interlaced.gif",
          "hippopotamus.regular.gif", "multiple-graphic-controls.gif", "multiple-loop-counts.gif",
          "small-frame-interlaced.gif", "transparent-index.gif", "frame-out-of-bounds.gif",
          "pixel-data-too-much-good-lzw.gif"})
        names << QStringLiteral("wuffs/") + QLatin1String(wuffs);
    ASSERT_GE(names.size(), 20);
    for (const QString& name : names)
        expectSameAsGiflib(name);
}

TEST(GifStreamDecode, InterlacedAndProgressiveGiveTheSamePixels) {
    SKIP_WITHOUT_CORPUS();
    const std::pair<const char*, const char*> pairs[] = {
        {"giflib/treescap.gif", "giflib/treescap-interlaced.gif"},
        {"wuffs/hippopotamus.regular.gif", "wuffs/hippopotamus.interlaced.gif"}};
    for (const auto& [progressive, interlaced] : pairs) {
        GifStream a, b;
        ASSERT_EQ(load(a, giftest::readCorpusFile(QLatin1String(progressive))), 1);
        ASSERT_EQ(load(b, giftest::readCorpusFile(QLatin1String(interlaced))), 1);
        EXPECT_TRUE(cellOf(a, 1) == cellOf(b, 1)) << interlaced;
    }
}

TEST(GifStreamDecode, SingleFramesMatchTheExpectedRgb) {
    SKIP_WITHOUT_CORPUS();
    for (const char* name : {"treescap", "treescap-interlaced", "gifgrid"}) {
        SCOPED_TRACE(name);
        GifStream gif;
        ASSERT_EQ(load(gif, giftest::readCorpusFile(
                                QStringLiteral("giflib/%1.gif").arg(QLatin1String(name)))),
                  1);
        const QByteArray expected = giftest::readCorpusFile(
            QStringLiteral("giflib/expected/%1.rgb").arg(QLatin1String(name)));
        const anigif::GifFrame& f = gif.frame(1);
        ASSERT_EQ(expected.size(), f.Width * f.Height * 3);
        QByteArray rgb;
        for (uint8_t index : cellOf(gif, 1)) {
            const uint32_t c = gif.tableOf(1)[index];
            rgb.append(char(c >> 16)).append(char(c >> 8)).append(char(c));
        }
        EXPECT_EQ(rgb, expected);
    }
}

TEST(GifStreamDecode, TruncatedInterlacedFrameKeepsWhatArrived) {
    SKIP_WITHOUT_CORPUS();
    GifStream full, cut;
    ASSERT_EQ(
        load(full, giftest::readCorpusFile(QStringLiteral("wuffs/hippopotamus.interlaced.gif"))),
        1);
    ASSERT_EQ(load(cut, giftest::readCorpusFile(
                            QStringLiteral("wuffs/hippopotamus.interlaced.truncated.gif"))),
              1);
    const std::vector<uint8_t> a = cellOf(full, 1), b = cellOf(cut, 1);
    ASSERT_EQ(a.size(), b.size());
    const int width = full.frame(1).Width;
    // The first pass (every 8th row from 0) arrived in part: its first row is complete.
    EXPECT_TRUE(std::equal(a.begin(), a.begin() + width, b.begin()));
    std::size_t zero = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(b[i] == a[i] || b[i] == 0);
        zero += b[i] == 0 && a[i] != 0;
    }
    EXPECT_GT(zero, a.size() / 2); // most of the picture never arrived
}

TEST(GifStreamDecode, BrokenPixelDataKeepsDecodedPixelsAndZeroes) {
    SKIP_WITHOUT_CORPUS();
    // From the files' descriptions: 2x2 frames; the bad code comes after 4 good pixels.
    GifStream gif;
    for (const char* name :
         {"pixel-data-too-much-bad-lzw", "pixel-data-not-enough", "pixel-data-none"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes =
            giftest::readCorpusFile(QStringLiteral("wuffs/%1.gif").arg(QLatin1String(name)));
        ASSERT_GE(load(gif, bytes), 1);
    }
    load(gif, giftest::readCorpusFile(QStringLiteral("wuffs/pixel-data-too-much-bad-lzw.gif")));
    GifStream good;
    load(good, giftest::readCorpusFile(QStringLiteral("wuffs/pixel-data-too-much-good-lzw.gif")));
    EXPECT_TRUE(cellOf(gif, 1) == cellOf(good, 1));
}

TEST(GifStreamDecode, EveryCorpusFileLoadsOrFailsCleanly) {
    SKIP_WITHOUT_CORPUS();
    QStringList names = giftest::corpusGifs(QStringLiteral("libnsgif/ns-afl-gif")) +
                        giftest::corpusGifs(QStringLiteral("libnsgif")) +
                        giftest::corpusGifs(QStringLiteral("wuffs"));
    ASSERT_GE(names.size(), 281);
    int loaded = 0;
    for (const QString& name : names) {
        GifStream gif;
        const int count = load(gif, giftest::readCorpusFile(name));
        loaded += count > 0;
        for (int k = 1; k <= count; ++k) {
            const anigif::GifFrame& f = gif.frame(k);
            ASSERT_LE(f.StripX + f.Width, gif.FrameStrip.width()) << name.toStdString();
            ASSERT_LE(f.Height, gif.FrameStrip.height());
            ASSERT_LE(f.Left + f.Width, gif.CanvasWidth);
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(GifStreamDecode, StripPlacesFramesSideBySide) {
    const std::vector<uint8_t> first(6, 1), second(12, 2), third(2, 3);
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 8, 8, 2)
                                 .image(0, 0, 3, 2, 0, false, first)
                                 .image(1, 1, 4, 3, 0, false, second)
                                 .image(0, 0, 2, 1, 0, false, third)
                                 .trailer()
                                 .bytes();
    GifStream gif;
    gif.Buffer = bytes;
    ASSERT_EQ(anigif::ParseGif(gif), 3);

    ASSERT_TRUE(anigif::CreateStrip(gif, false)); // frame 1 only
    EXPECT_EQ(gif.FrameStrip.width(), 3);
    EXPECT_EQ(gif.FrameStrip.height(), 2);
    ASSERT_TRUE(anigif::DecodeStripFrames(gif, 1, 1));
    ASSERT_TRUE(anigif::DecodeStripFrames(gif, 2, 3)); // no room: skipped, nothing overrun
    EXPECT_TRUE(cellOf(gif, 1) == first);

    ASSERT_TRUE(anigif::CreateStrip(gif, true));
    EXPECT_EQ(gif.FrameStrip.width(), 9);
    EXPECT_EQ(gif.FrameStrip.height(), 3);
    ASSERT_TRUE(anigif::DecodeStripFrames(gif, 1, 1));
    ASSERT_TRUE(anigif::DecodeStripFrames(gif, 2, 3));
    EXPECT_EQ(gif.frame(1).StripX, 0);
    EXPECT_EQ(gif.frame(2).StripX, 3);
    EXPECT_EQ(gif.frame(3).StripX, 7);
    EXPECT_TRUE(cellOf(gif, 2) == second);
    EXPECT_TRUE(cellOf(gif, 3) == third);
    EXPECT_EQ(gif.FrameStrip.cell(0, 2)[0], 0); // below frame 1: untouched
    EXPECT_FALSE(anigif::DecodeStripFrames(gif, 3, 4));

    const QImage view = gif.FrameStrip.view();
    EXPECT_EQ(view.format(), QImage::Format_Indexed8);
    EXPECT_EQ(view.constBits(), gif.FrameStrip.bits());
    EXPECT_EQ(view.pixelIndex(4, 1), 2);
}

TEST(GifStreamDecode, ZeroSizedPictureHasNoStrip) {
    const QByteArray bytes =
        GifWriter().header("GIF89a", 8, 8, 2).image(0, 0, 0, 0).trailer().bytes();
    GifStream gif;
    EXPECT_EQ(load(gif, bytes), 0);
}

TEST(GifStreamDecode, FirstFrameImageIsColouredThroughItsTable) {
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 2, 1, 2)
                                 .graphicControl(0, 0, true, 1)
                                 .image(0, 0, 2, 1, 0, false, {3, 1})
                                 .trailer()
                                 .bytes();
    const QImage image = anigif::DecodeFirstFrameImage(bytes);
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixel(0, 0), 0xFF000000u | giftest::testColour(3));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
    EXPECT_TRUE(anigif::DecodeFirstFrameImage(QByteArray("nothing")).isNull());
}

TEST(GifStreamDecode, LargeStripsDecodeLikeSmallOnes) {
    // 3 x 1600 x 1000 is beyond the size kept on the heap: the strip is mapped memory.
    const int width = 1600, height = 1000;
    std::vector<std::vector<uint8_t>> frames(3, std::vector<uint8_t>(std::size_t(width * height)));
    for (int f = 0; f < 3; ++f)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                frames[std::size_t(f)][std::size_t(y * width + x)] =
                    uint8_t((x / (f + 3)) ^ (y / 7));
    for (bool interlaced : {false, true}) {
        GifStream gif;
        ASSERT_EQ(load(gif, giftest::giflibEncode(width, height, frames, interlaced)), 3);
        for (int k = 1; k <= 3; ++k)
            EXPECT_TRUE(cellOf(gif, k) == frames[std::size_t(k - 1)]) << k << interlaced;
        GifStream moved(std::move(gif));
        EXPECT_TRUE(gif.FrameStrip.isNull());
        EXPECT_EQ(moved.FrameStrip.width(), 3 * width);
    }
    // One frame alone is decoded in place, in the strip itself.
    GifStream single;
    ASSERT_EQ(load(single, giftest::giflibEncode(width, height, {frames[1]})), 1);
    EXPECT_TRUE(cellOf(single, 1) == frames[1]);
}
