// GIF LZW decoding that copies each code's string from where it was already written.
#include "anigif/LzwDecoder.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace anigif {

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeBits = 12;
constexpr std::size_t kPadding = 8;   // zero bytes after the code bytes, for 64-bit loads
constexpr std::size_t kOvercopy = 16; // a string copy may write this far past its end

inline uint64_t loadLittle64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    return v;
}

// Copies length bytes from an earlier place of the same output. Overlap (the string that is
// being defined by this very code) only happens with distance == length - 1.
inline void copyString(uint8_t* dst, const uint8_t* src, std::size_t length, bool wordsFit) {
    const std::size_t distance = std::size_t(dst - src);
    if (wordsFit && distance >= 16) {
        for (std::size_t i = 0; i < length; i += 16)
            std::memcpy(dst + i, src + i, 16);
    } else if (wordsFit && distance >= 8) {
        for (std::size_t i = 0; i < length; i += 8)
            std::memcpy(dst + i, src + i, 8);
    } else {
        for (std::size_t i = 0; i < length; ++i)
            dst[i] = src[i];
    }
}

// The row of the frame that the n-th decoded row of an interlaced image belongs to.
int interlacedRow(int n, int height) {
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const int rows =
            height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
        if (n < rows)
            return kStart[pass] + n * kStep[pass];
        n -= rows;
    }
    return -1;
}

} // namespace

LzwDecoder::LzwDecoder()
    : m_stringStart(new uint32_t[kMaxCodes]), m_stringLength(new uint16_t[kMaxCodes]) {}

void LzwDecoder::gatherSubBlocks(const uint8_t* data, std::size_t size) {
    if (m_codes.size() < size + kPadding)
        m_codes.resize(size + kPadding);
    uint8_t* out = m_codes.data();
    std::size_t i = 0;
    while (i < size) {
        const std::size_t length = std::min<std::size_t>(data[i], size - i - 1);
        if (length == 0)
            break;
        std::memcpy(out, data + i + 1, length);
        out += length;
        i += length + 1;
    }
    m_codeBytes = std::size_t(out - m_codes.data());
    std::memset(out, 0, kPadding);
}

std::size_t LzwDecoder::decodeLinear(int minCodeSize, uint8_t* out, std::size_t outSize,
                                     std::size_t outCapacity) {
    const uint8_t* in = m_codes.data();
    const uint8_t* const inEnd = in + m_codeBytes;
    uint32_t* const start = m_stringStart.get();
    uint16_t* const length = m_stringLength.get();

    const int clear = 1 << minCodeSize;
    const int endOfInfo = clear + 1;
    int next = clear + 2;
    int codeBits = minCodeSize + 1;
    uint32_t codeMask = (1u << codeBits) - 1;
    uint64_t bits = 0;
    unsigned bitCount = 0;
    int prev = -1;
    std::size_t prevStart = 0;
    std::size_t prevLength = 0;
    std::size_t pos = 0;
    // Beyond this output position a string copy may no longer overrun in whole words.
    const std::size_t wordLimit = outCapacity >= kOvercopy ? outCapacity - kOvercopy : 0;

    while (pos < outSize) {
        if (bitCount < unsigned(codeBits)) {
            if (inEnd - in >= 8) {
                bits |= loadLittle64(in) << bitCount;
                const unsigned taken = (63 - bitCount) >> 3;
                in += taken;
                bitCount += taken * 8;
            } else {
                while (bitCount <= 56 && in < inEnd) {
                    bits |= uint64_t(*in++) << bitCount;
                    bitCount += 8;
                }
                if (bitCount < unsigned(codeBits))
                    break; // data ran out
            }
        }
        const int code = int(bits & codeMask);
        bits >>= codeBits;
        bitCount -= unsigned(codeBits);

        std::size_t stringLength;
        if (code < clear) {
            out[pos] = uint8_t(code);
            stringLength = 1;
        } else if (code == clear) {
            next = clear + 2;
            codeBits = minCodeSize + 1;
            codeMask = (1u << codeBits) - 1;
            prev = -1;
            continue;
        } else if (code == endOfInfo || prev < 0) {
            break; // the end, or a string code with no table behind it
        } else {
            std::size_t from;
            if (code < next) {
                from = start[code];
                stringLength = length[code];
            } else if (code == next) {
                from = prevStart; // the string this code is about to define
                stringLength = prevLength + 1;
            } else {
                break;
            }
            const std::size_t room = outSize - pos;
            const std::size_t copied = std::min(stringLength, room);
            copyString(out + pos, out + from, copied, pos + copied <= wordLimit);
            if (copied < stringLength) {
                pos += copied;
                break;
            }
        }
        if (prev >= 0 && next < kMaxCodes) {
            start[next] = uint32_t(prevStart);
            length[next] = uint16_t(prevLength + 1);
            ++next;
            if (next == (1 << codeBits) && codeBits < kMaxCodeBits) {
                ++codeBits;
                codeMask = (1u << codeBits) - 1;
            }
        }
        prev = code;
        prevStart = pos;
        prevLength = stringLength;
        pos += stringLength;
    }
    // Word copies may have run past the last string: those pixels were never decoded.
    const std::size_t dirtyEnd = std::min(outCapacity, pos + kOvercopy);
    if (dirtyEnd > pos)
        std::memset(out + pos, 0, dirtyEnd - pos);
    return pos;
}

void LzwDecoder::scatterRows(const uint8_t* linear, std::size_t produced,
                             const IndexTarget& target) {
    const std::size_t width = std::size_t(target.width);
    for (int n = 0; n < target.height && produced > 0; ++n) {
        const int row = target.interlaced ? interlacedRow(n, target.height) : n;
        const std::size_t count = std::min(width, produced);
        std::memcpy(target.pixels + row * target.stride, linear + std::size_t(n) * width, count);
        produced -= count;
    }
}

std::size_t LzwDecoder::decode(const uint8_t* data, std::size_t size, const IndexTarget& target) {
    if (!data || size < 2 || !target.pixels || target.width <= 0 || target.height <= 0)
        return 0;
    const int minCodeSize = data[0];
    if (minCodeSize < 1 || minCodeSize > 8)
        return 0;
    const std::size_t pixels = std::size_t(target.width) * std::size_t(target.height);
    if (pixels > std::numeric_limits<uint32_t>::max() - kOvercopy)
        return 0;
    gatherSubBlocks(data + 1, size - 1);

    if (!target.interlaced && target.stride == target.width)
        return decodeLinear(minCodeSize, target.pixels, pixels, pixels + target.tailRoom);

    if (m_linearCapacity < pixels + kOvercopy) {
        m_linear.reset(new uint8_t[pixels + kOvercopy]);
        m_linearCapacity = pixels + kOvercopy;
    }
    const std::size_t produced =
        decodeLinear(minCodeSize, m_linear.get(), pixels, m_linearCapacity);
    scatterRows(m_linear.get(), produced, target);
    return produced;
}

} // namespace anigif
