// The LZW encoder and the single-frame GIF89a writer, read back by our decoder and by giflib.
#include "ucAniGIFTestSupport.h"

#include "anigif/GifStream.h"
#include "anigif/LzwEncoder.h"

#include <gtest/gtest.h>

using namespace uctest;

namespace {

const std::vector<uint32_t> kPalette = [] {
    std::vector<uint32_t> colours;
    for (QRgb c : rampTable(256, 1))
        colours.push_back(c & 0xFFFFFFu);
    return colours;
}();

QByteArray write(const std::vector<uint8_t>& pixels, int stride, int width, int height,
                 int colours = 256, bool transparent = false, int index = 0) {
    return anigif::WriteSingleFrameGif(pixels.empty() ? nullptr : pixels.data(), stride, width,
                                       height, kPalette.data(), colours, transparent,
                                       uint8_t(index));
}

} // namespace

TEST(LzwEncoder, RoundTripsThroughOurDecoderAndGiflib) {
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(97, 61), QSize(2000, 900)})
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " " << kind);
            const int width = size.width(), height = size.height(), stride = width + 5;
            const auto pixels = pixelPattern(width, height, 256, kind, unsigned(width + kind));
            std::vector<uint8_t> strip(size_t(stride * height), 0xAB);
            for (int y = 0; y < height; ++y)
                std::copy_n(pixels.begin() + y * width, width, strip.begin() + y * stride);
            const QByteArray gif = write(strip, stride, width, height);
            anigif::GifStream ours;
            ours.Buffer = gif;
            ASSERT_EQ(anigif::LoadAndDecodeAll(ours), 1);
            EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), ours.FrameStrip.bits()));
            const Giflib reference(gif);
            ASSERT_TRUE(reference.complete);
            ASSERT_EQ(reference.file->ImageCount, 1);
            EXPECT_TRUE(reference.indices(0) == pixels);
        }
}

TEST(LzwEncoder, StreamLayoutFollowsTheFormat) {
    const QByteArray gif = write(pixelPattern(300, 200, 256, 0, 9), 300, 300, 200, 4, true, 7);
    ASSERT_GT(gif.size(), 800);
    // 300 x 200, a global table of 256 entries of which those past the 4 colours are black.
    EXPECT_EQ(gif.left(13), QByteArray("GIF89a\x2C\x01\xC8\x00\x87\x00\x00", 13));
    EXPECT_EQ(gif.mid(13 + 3 * 3, 3),
              QByteArray(1, char(kPalette[3] >> 16)) + char(kPalette[3] >> 8) + char(kPalette[3]));
    EXPECT_EQ(gif.mid(13 + 3 * 4, 3), QByteArray(3, '\0'));
    EXPECT_EQ(gif.mid(781, 19),
              QByteArray("\x21\xF9\x04\x01\x00\x00\x07\x00\x2C\x00\x00\x00\x00\x2C\x01\xC8\x00"
                         "\x00\x08",
                         19));
    // Sub-blocks of 254 bytes, a shorter last one, the terminator and the trailer.
    int pos = 800;
    for (; pos < gif.size() && uint8_t(gif[pos]) == 254; pos += 255) {
    }
    ASSERT_GT(pos, 800 + 255);
    EXPECT_LT(uint8_t(gif[pos]), 254);
    EXPECT_EQ(pos + uint8_t(gif[pos]) + 1, gif.size() - 2);
    EXPECT_EQ(gif.right(2), QByteArray("\x00\x3B", 2));

    // Without transparency the descriptor follows the table; impossible sizes give nothing.
    const auto small = pixelPattern(4, 4, 256, 1, 1);
    EXPECT_EQ(uint8_t(write(small, 4, 4, 4)[781]), 0x2C);
    EXPECT_TRUE(write(small, 4, 0, 4).isEmpty());
    EXPECT_TRUE(write(small, 4, 70000, 1).isEmpty());
    EXPECT_TRUE(write({}, 4, 4, 4).isEmpty());
}
