// Our own GIF LZW encoder and the single-frame GIF89a writer built on it.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace anigif {

// LZW-compresses width x height 8-bit indices (rows stride bytes apart) with minimum code size
// 8 (codes of 9 to 12 bits, a clear code when the table reaches 4096 entries) and appends the
// result to out as GIF sub-blocks of 254 bytes, the last one shorter, then a zero-length block.
void AppendLzwImageData(QByteArray& out, const uint8_t* pixels, ptrdiff_t stride, int width,
                        int height);

// A complete single-frame GIF89a: logical screen = width x height, a global table of 256
// entries from palette (0x00RRGGBB; entries from colorCount on are written black), a graphic
// control extension only when transparent, an image descriptor at (0, 0) without local table,
// not interlaced, the LZW data and the trailer. Empty when width or height is not 1..65535.
QByteArray WriteSingleFrameGif(const uint8_t* pixels, ptrdiff_t stride, int width, int height,
                               const uint32_t* palette, int colorCount, bool transparent,
                               uint8_t transparentIndex);

} // namespace anigif
