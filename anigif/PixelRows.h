// Drawing one row of colour indices as 32-bit pixels: the inner loop of every composition and
// of every animation tick, with wide-vector versions for processors that have them.
#pragma once

#include "anigif/GifStream.h"

#include <array>
#include <cstdint>

namespace anigif {

// One colour table ready for drawing: premultiplied opaque ARGB per index (indices past the
// table's colour count are black), and the same colours split into byte planes for the
// 64-wide lookup.
struct PreparedColours {
    void set(const ColorTable& table);
    void fill(uint32_t argb);

    std::array<uint32_t, 256> argb{};
    alignas(64) std::array<uint8_t, 256> blue{};
    alignas(64) std::array<uint8_t, 256> green{};
    alignas(64) std::array<uint8_t, 256> red{};
};

enum class RowKernel {
    Portable,   // plain C++ with 16-wide skipping of see-through runs
    Avx2,       // 8 pixels per gather
    Avx512Vbmi, // 64 pixels per byte-plane lookup, see-through pixels kept by masked stores
};

bool rowKernelSupported(RowKernel kernel);
// The fastest kernel this processor runs.
RowKernel fastestRowKernel();

// out[x] = colour of in[x] for x < width, except where in[x] is the see-through index
// (`transparent`, 0..255; -1 when the frame has none): there out[x] is left as it is.
void drawRow(RowKernel kernel, uint32_t* out, const uint8_t* in, int width,
             const PreparedColours& colours, int transparent);

} // namespace anigif
