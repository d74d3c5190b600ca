// Our own GIF LZW decoder: one frame's image data straight to 8-bit colour indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace anigif {

// Where a frame's indices go: width x height pixels, rows stride bytes apart.
struct IndexTarget {
    uint8_t* pixels = nullptr;
    ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    // Writable bytes before the first and after the last pixel of a contiguous target
    // (stride == width). With enough of both the frame is decoded in place: the head room
    // holds the one-byte strings, the tail room lets string copies run in whole words.
    std::size_t headRoom = 0;
    std::size_t tailRoom = 0;
};

// Reusable across frames so that its buffers are allocated once per load.
class LzwDecoder {
public:
    LzwDecoder();

    // data holds the frame's image data: the LZW minimum code size byte, then sub-blocks.
    // Bytes after the zero-length sub-block, and pixels beyond the frame, are ignored. Bad
    // codes or missing data end the frame: what was decoded stays, the rest is left as it was.
    // Returns the number of pixels written (width x height when the frame decoded completely).
    std::size_t decode(const uint8_t* data, std::size_t size, const IndexTarget& target);

private:
    // Decodes into base + kLiteralArea; base holds room for the literal strings before it and
    // kOvercopy writable bytes after outSize.
    std::size_t decodeLinear(int minCodeSize, uint8_t* base, std::size_t outSize);
    void gatherSubBlocks(const uint8_t* data, std::size_t size);
    static void scatterRows(const uint8_t* linear, std::size_t produced, const IndexTarget& target);

    std::vector<uint8_t> m_codes; // sub-block payloads back to back, zero-padded
    std::size_t m_codeBytes = 0;
    std::unique_ptr<uint8_t[]> m_linear; // a whole frame, for interlaced or strided targets
    std::size_t m_linearCapacity = 0;
    std::unique_ptr<uint32_t[]> m_stringStart; // where each code's string is, from the base
    std::unique_ptr<uint16_t[]> m_stringLength;
};

} // namespace anigif
