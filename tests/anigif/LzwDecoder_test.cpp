// The LZW decoder on streams from giflib's encoder and on hand-made code sequences.
#include "GifStreamSupport_test.h"
#include "anigif/LzwDecoder.h"

#include <gtest/gtest.h>

#include <random>

using anigif::IndexTarget;
using anigif::LzwDecoder;

namespace {

// giflib's encoder output for one frame: the bytes from the minimum code size on.
QByteArray giflibImageData(const std::vector<uint8_t>& pixels, int width, int height, int bits) {
    QByteArray out;
    auto write = [](GifFileType* file, const GifByteType* data, int n) -> int {
        static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), n);
        return n;
    };
    int error = 0;
    GifFileType* file = EGifOpen(&out, write, &error);
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    EGifPutScreenDesc(file, width, height, bits, 0, map);
    const int start = int(out.size());
    EGifPutImageDesc(file, 0, 0, width, height, false, nullptr);
    const int dataStart = start + 10; // after the image descriptor
    std::vector<uint8_t> line(pixels);
    EGifPutLine(file, line.data(), width * height);
    EGifCloseFile(file, &error);
    GifFreeMapObject(map);
    // Descriptor is 10 bytes; the trailer is the last byte.
    return out.mid(dataStart, out.size() - dataStart - 1);
}

std::vector<uint8_t> decode(LzwDecoder& decoder, const QByteArray& data, int width, int height,
                            ptrdiff_t stride, bool interlaced = false) {
    std::vector<uint8_t> cells(std::size_t(stride * height), 0xEE);
    for (int y = 0; y < height; ++y)
        std::fill_n(cells.begin() + y * stride, width, 0);
    IndexTarget target;
    target.pixels = cells.data();
    target.stride = stride;
    target.width = width;
    target.height = height;
    target.interlaced = interlaced;
    decoder.decode(reinterpret_cast<const uint8_t*>(data.constData()), std::size_t(data.size()),
                   target);
    return cells;
}

std::vector<uint8_t> image(int width, int height, int colours, int pattern, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> pixels(std::size_t(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int value =
                pattern == 0 ? int(random() % unsigned(colours)) // noise
                : pattern == 1
                    ? ((x / 7 + y / 5) % colours)                                   // bands
                    : (random() % 50 == 0 ? int(random() % unsigned(colours)) : 1); // flat
            pixels[std::size_t(y * width + x)] = uint8_t(value);
        }
    return pixels;
}

} // namespace

TEST(LzwDecoder, DecodesGiflibStreamsOfEveryCodeSize) {
    LzwDecoder decoder;
    for (int bits = 1; bits <= 8; ++bits)
        for (int pattern = 0; pattern < 3; ++pattern) {
            const int width = 173, height = 61;
            const auto pixels =
                image(width, height, 1 << bits, pattern, unsigned(bits * 10 + pattern));
            const QByteArray data = giflibImageData(pixels, width, height, bits);
            EXPECT_TRUE(decode(decoder, data, width, height, width) == pixels)
                << bits << "/" << pattern;
        }
}

TEST(LzwDecoder, FullTableAndLongStringsDecode) {
    LzwDecoder decoder;
    const int width = 1500, height = 700;
    for (int pattern = 0; pattern < 3; ++pattern) {
        const auto pixels = image(width, height, 256, pattern, 99u + unsigned(pattern));
        const QByteArray data = giflibImageData(pixels, width, height, 8);
        EXPECT_TRUE(decode(decoder, data, width, height, width) == pixels) << pattern;
    }
}

TEST(LzwDecoder, StridedTargetGetsRowsAndKeepsItsNeighbours) {
    LzwDecoder decoder;
    const int width = 37, height = 23, stride = 50;
    const auto pixels = image(width, height, 16, 1, 5);
    const auto cells =
        decode(decoder, giflibImageData(pixels, width, height, 4), width, height, stride);
    for (int y = 0; y < height; ++y) {
        EXPECT_TRUE(std::equal(pixels.begin() + y * width, pixels.begin() + (y + 1) * width,
                               cells.begin() + y * stride));
        EXPECT_EQ(cells[std::size_t(y * stride + width)], 0xEE); // the next cell is untouched
    }
}

TEST(LzwDecoder, InterlacedRowsGoToTheirPlace) {
    LzwDecoder decoder;
    const int width = 5, height = 11;
    std::vector<uint8_t> streamOrder;
    const int order[] = {0, 8, 4, 2, 6, 10, 1, 3, 5, 7, 9};
    for (int row : order)
        for (int x = 0; x < width; ++x)
            streamOrder.push_back(uint8_t(row));
    const QByteArray data = giftest::literalLzw(8, streamOrder);
    const auto cells = decode(decoder, data, width, height, 8, true);
    for (int y = 0; y < height; ++y)
        EXPECT_EQ(cells[std::size_t(y * 8)], y);
}

TEST(LzwDecoder, BadCodesAndShortDataStopWithoutOverrun) {
    LzwDecoder decoder;
    const int width = 40, height = 30;
    const auto pixels = image(width, height, 256, 1, 3);
    const QByteArray data = giflibImageData(pixels, width, height, 8);
    for (int cut = 1; cut < data.size(); cut += 7) {
        const auto cells = decode(decoder, data.left(cut), width, height, width + 3);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width + 3; ++x) {
                const uint8_t got = cells[std::size_t(y * (width + 3) + x)];
                if (x >= width)
                    ASSERT_EQ(got, 0xEE);
                else
                    ASSERT_TRUE(got == 0 || got == pixels[std::size_t(y * width + x)]);
            }
    }
    // Code 300 right after a clear is undefined: nothing past it is decoded.
    QByteArray bad("\x08\x05\x00\x03\xb0\x0c\x08\x00", 8); // clear, 1, 300, end (9-bit codes)
    const auto cells = decode(decoder, bad, 4, 1, 4);
    EXPECT_EQ(cells[0], 1);
    EXPECT_EQ(cells[1], 0);
}

TEST(LzwDecoder, ExtraDataAndMissingEndCodeAreHarmless) {
    LzwDecoder decoder;
    std::vector<uint8_t> pixels(20);
    for (int i = 0; i < 20; ++i)
        pixels[std::size_t(i)] = uint8_t(i);
    // 20 pixels of data into a 4 x 2 target: the first 8 are kept.
    const auto cells = decode(decoder, giftest::literalLzw(8, pixels), 4, 2, 4);
    EXPECT_TRUE(std::equal(cells.begin(), cells.end(), pixels.begin()));
    EXPECT_EQ(decoder.decode(nullptr, 0, IndexTarget{}), 0u);
    const QByteArray badCodeSize("\x0C\x01\x00\x00", 4);
    EXPECT_EQ(decode(decoder, badCodeSize, 2, 2, 2), std::vector<uint8_t>(4, 0));
}
