// LZW: the decoder on giflib's streams and hand-made codes; the encoder and single-frame GIF
// writer read back by our decoder and by giflib.
#include "ucAniGIFTestSupport.h"

#include "anigif/GifStream.h"
#include "anigif/LzwDecoder.h"
#include "anigif/LzwEncoder.h"

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
    // 300 x 200 with a table of 256 entries, those past the 4 colours black; the control block
    // with see-through index 7, the descriptor at (0, 0) and code size 8; the trailer.
    EXPECT_EQ(gif.left(13), QByteArray("GIF89a\x2C\x01\xC8\x00\x87\x00\x00", 13));
    EXPECT_EQ(gif.mid(13 + 3 * 3, 6), QByteArray(1, char(kPalette[3] >> 16)) +
                                          char(kPalette[3] >> 8) + char(kPalette[3]) +
                                          QByteArray(3, '\0'));
    EXPECT_EQ(gif.mid(781, 19),
              QByteArray("\x21\xF9\x04\x01\x00\x00\x07\x00\x2C\x00\x00\x00\x00\x2C\x01\xC8\x00"
                         "\x00\x08",
                         19));
    EXPECT_EQ(gif.right(2), QByteArray("\x00\x3B", 2));

    // Without transparency the descriptor follows the table; impossible sizes give nothing.
    const auto small = pixelPattern(4, 4, 256, 1, 1);
    EXPECT_EQ(uint8_t(write(small, 4, 4, 4)[781]), 0x2C);
    EXPECT_TRUE(write(small, 4, 0, 4).isEmpty());
    EXPECT_TRUE(write(small, 4, 70000, 1).isEmpty());
    EXPECT_TRUE(write({}, 4, 4, 4).isEmpty());
}
