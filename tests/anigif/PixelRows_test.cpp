// Every row kernel this processor runs draws each index's colour and nothing outside the row.
#include "anigif/PixelRows.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Runs of one index between stretches of noise, like the edges of rain areas.
std::vector<uint8_t> indices(int width, int transparent, std::mt19937& random) {
    std::vector<uint8_t> row(size_t(width), 0);
    for (int x = 0; x < width;) {
        const int run = 1 + int(random() % 40);
        const bool seeThrough = transparent >= 0 && random() % 2 == 0;
        const bool noise = random() % 3 == 0;
        const uint8_t value = seeThrough ? uint8_t(transparent) : uint8_t(random());
        for (int i = 0; i < run && x < width; ++i, ++x)
            row[size_t(x)] = noise && !seeThrough ? uint8_t(random()) : value;
    }
    return row;
}

} // namespace

TEST(PixelRows, EveryKernelDrawsTheDefinedPixels) {
    using anigif::RowKernel;
    constexpr int guard = 80; // pixels either side of the row that must stay as they are
    constexpr uint32_t background = 0x12345678u;
    int tried = 0;
    for (RowKernel kernel : {RowKernel::Portable, RowKernel::Avx2, RowKernel::Avx512Vbmi}) {
        if (!anigif::rowKernelSupported(kernel))
            continue;
        ++tried;
        std::mt19937 random(1);
        // Widths around every vector size, so that the tails after the wide steps are covered.
        for (int width : {0, 1, 7, 8, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 200, 801})
            for (int transparent : {-1, 0, 128, 255})
                for (int count : {256, 2, 130}) {
                    anigif::ColorTable table{};
                    for (int i = 0; i < 256; ++i)
                        table[size_t(i)] = random() & 0x00FFFFFFu;
                    table[anigif::kColorCountEntry] = uint32_t(count);
                    anigif::PreparedColours colours;
                    colours.set(table);
                    const std::vector<uint8_t> in = indices(width, transparent, random);
                    std::vector<uint32_t> out(size_t(width + 2 * guard), background);
                    anigif::drawRow(kernel, out.data() + guard, in.data(), width, colours,
                                    transparent);
                    for (int x = -guard; x < width + guard; ++x) {
                        const bool drawn = x >= 0 && x < width && in[size_t(x)] != transparent;
                        const int index = drawn ? in[size_t(x)] : 0;
                        const uint32_t expected = !drawn ? background
                                                  : index < count
                                                      ? 0xFF000000u | table[size_t(index)]
                                                      : 0xFF000000u;
                        ASSERT_EQ(out[size_t(x + guard)], expected)
                            << "kernel " << int(kernel) << ", width " << width << ", see-through "
                            << transparent << ", colours " << count << ", pixel " << x;
                    }
                }
    }
    EXPECT_GE(tried, 1);
    EXPECT_TRUE(anigif::rowKernelSupported(anigif::fastestRowKernel()));
}
