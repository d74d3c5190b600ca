// The LZW encoder and the single-frame GIF89a writer, read back by our decoder and by giflib.
#include "GifStreamSupport_test.h"
#include "anigif/GifStream.h"
#include "anigif/LzwEncoder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint8_t> picture(int width, int height, int kind, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> pixels(std::size_t(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[std::size_t(y * width + x)] = kind == 0   ? uint8_t(random())
                                                 : kind == 1 ? uint8_t((x / 9) * 7 + y / 4)
                                                             : uint8_t(x > y ? 5 : 6);
    return pixels;
}

std::vector<uint32_t> palette() {
    std::vector<uint32_t> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = giftest::testColour(i);
    return colours;
}

QByteArray writeGif(const std::vector<uint8_t>& pixels, int width, int height) {
    return anigif::WriteSingleFrameGif(pixels.data(), width, width, height, palette().data(), 256,
                                       false, 0);
}

} // namespace

TEST(LzwEncoder, RoundTripsThroughOurDecoderAndGiflib) {
    const std::pair<int, int> sizes[] = {{1, 1},   {3, 2},     {255, 1},
                                         {97, 61}, {640, 480}, {2000, 900}};
    for (const auto& [width, height] : sizes)
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(testing::Message() << width << "x" << height << " kind " << kind);
            const auto pixels = picture(width, height, kind, unsigned(width + kind));
            const QByteArray gif = writeGif(pixels, width, height);

            anigif::GifStream ours;
            ours.Buffer = gif;
            ASSERT_EQ(anigif::LoadAndDecodeAll(ours), 1);
            std::vector<uint8_t> decoded(ours.FrameStrip.bits(),
                                         ours.FrameStrip.bits() + width * height);
            EXPECT_TRUE(decoded == pixels);

            const giftest::GiflibImage reference = giftest::giflibSlurp(gif);
            ASSERT_TRUE(reference.ok);
            ASSERT_EQ(reference.frames.size(), 1u);
            EXPECT_TRUE(reference.frames[0].indices == pixels);
        }
}

TEST(LzwEncoder, ReadsRowsThroughTheStride) {
    const int width = 30, height = 20, stride = 77;
    std::vector<uint8_t> strip(std::size_t(stride * height), 0xAB);
    const auto pixels = picture(width, height, 0, 3);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.begin() + y * width, width, strip.begin() + y * stride);
    const QByteArray gif = anigif::WriteSingleFrameGif(strip.data(), stride, width, height,
                                                       palette().data(), 256, false, 0);
    const giftest::GiflibImage reference = giftest::giflibSlurp(gif);
    ASSERT_TRUE(reference.ok);
    EXPECT_TRUE(reference.frames[0].indices == pixels);
}

TEST(LzwEncoder, StreamLayoutFollowsTheFormat) {
    const int width = 300, height = 200;
    const auto pixels = picture(width, height, 0, 9);
    const std::vector<uint32_t> colours = palette();
    const QByteArray gif = anigif::WriteSingleFrameGif(pixels.data(), width, width, height,
                                                       colours.data(), 4, true, 7);
    ASSERT_GT(gif.size(), 800);
    EXPECT_EQ(gif.left(6), QByteArray("GIF89a"));
    EXPECT_EQ(uint8_t(gif[6]) | uint8_t(gif[7]) << 8, width);
    EXPECT_EQ(uint8_t(gif[8]) | uint8_t(gif[9]) << 8, height);
    EXPECT_EQ(uint8_t(gif[10]), 0x87);
    EXPECT_EQ(uint8_t(gif[13 + 3 * 3]), 0x00 + ((colours[3] >> 16) & 0xFF));
    EXPECT_EQ(gif.mid(13 + 3 * 4, 3), QByteArray(3, '\0')); // beyond the colour count: black
    EXPECT_EQ(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x07\x00", 8));
    EXPECT_EQ(gif.mid(789, 10), QByteArray("\x2C\x00\x00\x00\x00\x2C\x01\xC8\x00\x00", 10));
    EXPECT_EQ(uint8_t(gif[799]), 8);
    // Sub-blocks of 254 bytes, a shorter last one, the terminator and the trailer.
    int pos = 800;
    std::vector<int> blocks;
    while (pos < gif.size() && uint8_t(gif[pos]) != 0) {
        blocks.push_back(uint8_t(gif[pos]));
        pos += uint8_t(gif[pos]) + 1;
    }
    ASSERT_GE(blocks.size(), 2u);
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i)
        EXPECT_EQ(blocks[i], 254);
    EXPECT_LE(blocks.back(), 254);
    EXPECT_EQ(pos, gif.size() - 2);
    EXPECT_EQ(uint8_t(gif[gif.size() - 1]), 0x3B);

    anigif::GifStream parsed;
    parsed.Buffer = gif;
    ASSERT_EQ(anigif::ParseGif(parsed), 1);
    EXPECT_EQ(parsed.frame(1).Transparent, 1);
    EXPECT_EQ(parsed.frame(1).TransparentIndex, 7);
}

TEST(LzwEncoder, OpaqueFrameHasNoControlExtensionAndBadSizesGiveNothing) {
    const auto pixels = picture(4, 4, 1, 1);
    const QByteArray gif = writeGif(pixels, 4, 4);
    EXPECT_EQ(uint8_t(gif[781]), 0x2C);
    EXPECT_TRUE(anigif::WriteSingleFrameGif(pixels.data(), 4, 0, 4, palette().data(), 256, false, 0)
                    .isEmpty());
    EXPECT_TRUE(
        anigif::WriteSingleFrameGif(pixels.data(), 4, 70000, 1, palette().data(), 256, false, 0)
            .isEmpty());
    EXPECT_TRUE(
        anigif::WriteSingleFrameGif(nullptr, 4, 4, 4, palette().data(), 256, false, 0).isEmpty());
}
