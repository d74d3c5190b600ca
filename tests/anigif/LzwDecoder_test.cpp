// The LZW decoder on streams from giflib's encoder and on hand-made code sequences.
#include "ucAniGIFTestSupport.h"

#include "anigif/LzwDecoder.h"

#include <gtest/gtest.h>

using anigif::IndexTarget;
using anigif::LzwDecoder;
using namespace uctest;

namespace {

constexpr uint8_t kUntouched = 0xEE;

// giflib's encoder output for one frame: the bytes from the minimum code size on.
QByteArray giflibImageData(const std::vector<uint8_t>& pixels, int width, int height, int bits) {
    TestFrame frame;
    frame.rect = QRect(0, 0, width, height);
    frame.pixels = pixels;
    frame.withControlBlock = false;
    const QByteArray gif = makeGif(frame.rect.size(), rampTable(1 << bits, 0), {frame}, -1);
    const int dataStart = 13 + 3 * std::max(2, 1 << bits) + 10; // header, table, descriptor
    return gif.mid(dataStart, gif.size() - dataStart - 1);
}

// Decodes into rows of stride cells, the cells past width marked kUntouched. One decoder serves
// every call, as one serves every frame of a file.
std::vector<uint8_t> decode(const QByteArray& data, int width, int height, int stride) {
    std::vector<uint8_t> cells(std::size_t(stride * height), kUntouched);
    for (int y = 0; y < height; ++y)
        std::fill_n(cells.begin() + y * stride, width, 0);
    static LzwDecoder decoder;
    decoder.decode(reinterpret_cast<const uint8_t*>(data.constData()), std::size_t(data.size()),
                   IndexTarget{cells.data(), stride, width, height});
    return cells;
}

} // namespace

TEST(LzwDecoder, DecodesGiflibStreamsOfEveryCodeSizeIntoStridedRows) {
    const int width = 173, height = 61, stride = width + 3;
    for (int bits = 1; bits <= 8; ++bits)
        for (int pattern = 0; pattern < 3; ++pattern) {
            const auto pixels =
                pixelPattern(width, height, 1 << bits, pattern, unsigned(bits * 10 + pattern));
            const auto cells =
                decode(giflibImageData(pixels, width, height, bits), width, height, stride);
            for (int y = 0; y < height; ++y) {
                ASSERT_TRUE(std::equal(pixels.begin() + y * width, pixels.begin() + (y + 1) * width,
                                       cells.begin() + y * stride))
                    << bits << "/" << pattern << " row " << y;
                ASSERT_EQ(cells[std::size_t(y * stride + width)], kUntouched);
            }
        }
}

TEST(LzwDecoder, BadCodesShortAndExcessDataStopWithoutOverrun) {
    const int width = 40, height = 30, stride = width + 3;
    const auto pixels = pixelPattern(width, height, 256, 0, 3);
    const QByteArray data = giflibImageData(pixels, width, height, 8);
    for (int cut = 1; cut < data.size(); cut += 7) {
        const auto cells = decode(data.left(cut), width, height, stride);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < stride; ++x) {
                const uint8_t got = cells[std::size_t(y * stride + x)];
                ASSERT_TRUE(x >= width ? got == kUntouched
                                       : got == 0 || got == pixels[std::size_t(y * width + x)])
                    << cut << ": " << x << "," << y;
            }
    }
    // 40 pixels into a 4 x 2 target: the first 8 and nothing past them.
    const auto cells = decode(data, 4, 2, 4);
    EXPECT_TRUE(std::equal(cells.begin(), cells.end(), pixels.begin()));
    // Code 300 right after a clear is undefined: nothing past it is decoded.
    const auto bad = decode(QByteArray("\x08\x05\x00\x03\xb0\x0c\x08\x00", 8), 4, 1, 4);
    EXPECT_EQ(std::vector<uint8_t>(bad.begin(), bad.begin() + 2), (std::vector<uint8_t>{1, 0}));
    // An impossible minimum code size decodes nothing.
    EXPECT_EQ(decode(QByteArray("\x0C\x01\x00\x00", 4), 2, 2, 2), std::vector<uint8_t>(4, 0));
    EXPECT_EQ(LzwDecoder().decode(nullptr, 0, IndexTarget{}), 0u);
}
