// The LZW encoder and the single-frame GIF89a writer, read back by our decoder and by giflib.
#include "ucAniGIFTestSupport.h"

#include "anigif/GifStream.h"
#include "anigif/LzwEncoder.h"

#include <gtest/gtest.h>

using namespace uctest;

namespace {

std::vector<uint32_t> palette() {
    std::vector<uint32_t> colours;
    for (QRgb c : rampTable(256, 1))
        colours.push_back(c & 0xFFFFFFu);
    return colours;
}

QByteArray write(const std::vector<uint8_t>& pixels, int stride, int width, int height,
                 int colours = 256, bool transparent = false, int index = 0) {
    return anigif::WriteSingleFrameGif(pixels.empty() ? nullptr : pixels.data(), stride, width,
                                       height, palette().data(), colours, transparent,
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
    const int width = 300, height = 200;
    const std::vector<uint32_t> colours = palette();
    const QByteArray gif =
        write(pixelPattern(width, height, 256, 0, 9), width, width, height, 4, true, 7);
    ASSERT_GT(gif.size(), 800);
    // Header, 300 x 200, a global table of 256 entries of which those past the 4 colours are black.
    EXPECT_EQ(gif.left(13), QByteArray("GIF89a\x2C\x01\xC8\x00\x87\x00\x00", 13));
    EXPECT_EQ(gif.mid(13 + 3 * 3, 3),
              QByteArray(1, char(colours[3] >> 16)) + char(colours[3] >> 8) + char(colours[3]));
    EXPECT_EQ(gif.mid(13 + 3 * 4, 3), QByteArray(3, '\0'));
    EXPECT_EQ(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x07\x00", 8));
    EXPECT_EQ(gif.mid(789, 10), QByteArray("\x2C\x00\x00\x00\x00\x2C\x01\xC8\x00\x00", 10));
    EXPECT_EQ(uint8_t(gif[799]), 8);
    // Sub-blocks of 254 bytes, a shorter last one, the terminator and the trailer.
    std::vector<int> blocks;
    int pos = 800;
    for (; pos < gif.size() && gif[pos] != 0; pos += uint8_t(gif[pos]) + 1)
        blocks.push_back(uint8_t(gif[pos]));
    ASSERT_GE(blocks.size(), 2u);
    EXPECT_EQ(std::count(blocks.begin(), blocks.end() - 1, 254), long(blocks.size()) - 1);
    EXPECT_EQ(pos, gif.size() - 2);
    EXPECT_EQ(gif.back(), char(0x3B));

    // Without transparency the descriptor follows the table; impossible sizes give nothing.
    const auto small = pixelPattern(4, 4, 256, 1, 1);
    EXPECT_EQ(uint8_t(write(small, 4, 4, 4)[781]), 0x2C);
    EXPECT_TRUE(write(small, 4, 0, 4).isEmpty());
    EXPECT_TRUE(write(small, 4, 70000, 1).isEmpty());
    EXPECT_TRUE(write({}, 4, 4, 4).isEmpty());
}
