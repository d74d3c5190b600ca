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
// One-byte strings live before the output, so that every code is a copy from the same base.
constexpr std::size_t kLiteralArea = 256 + kOvercopy;

inline uint64_t loadLittle64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    return v;
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

// One entry more than codes exist: the entry a code would define is written before it is
// known whether the table is full.
LzwDecoder::LzwDecoder()
    : m_stringStart(new uint32_t[kMaxCodes + 1]), m_stringLength(new uint16_t[kMaxCodes + 1]) {}

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

std::size_t LzwDecoder::decodeLinear(int minCodeSize, uint8_t* base, std::size_t outSize) {
    const uint8_t* in = m_codes.data();
    const uint8_t* const inEnd = in + m_codeBytes;
    uint32_t* const start = m_stringStart.get();
    uint16_t* const length = m_stringLength.get();
    uint8_t* const out = base + kLiteralArea;

    const int clear = 1 << minCodeSize;
    for (int i = 0; i < clear; ++i) {
        base[i] = uint8_t(i);
        start[i] = uint32_t(i);
        length[i] = 1;
    }
    uint64_t bits = 0;
    unsigned bitCount = 0;
    int codeBits = minCodeSize + 1;
    uint32_t codeMask = (1u << codeBits) - 1;
    int next = clear + 2;
    bool afterClear = true; // no previous string: the next code must be a literal
    std::size_t pos = 0;    // output position, relative to out
    std::size_t prevStart = 0;
    std::size_t prevLength = 0;

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

        if (unsigned(code - clear) <= 1) {
            if (code != clear)
                break; // end of information
            next = clear + 2;
            codeBits = minCodeSize + 1;
            codeMask = (1u << codeBits) - 1;
            afterClear = true;
            continue;
        }
        if (afterClear) {
            if (code > clear)
                break; // a string code with no table behind it
            afterClear = false;
            out[pos] = uint8_t(code);
            prevStart = kLiteralArea + pos;
            prevLength = 1;
            ++pos;
            continue;
        }
        // The entry this code defines is known before the code is read: the previous string
        // plus its own first byte, which also covers a code that names itself.
        start[next] = uint32_t(prevStart);
        length[next] = uint16_t(prevLength + 1);
        if (code > next)
            break;
        const std::size_t from = start[code];
        const std::size_t stringLength = length[code];
        uint8_t* dst = out + pos;
        const uint8_t* src = base + from;
        const std::size_t room = outSize - pos;
        if (stringLength > room) {
            for (std::size_t i = 0; i < room; ++i)
                dst[i] = src[i];
            pos = outSize;
            break;
        }
        if (std::size_t(dst - src) >= 16) {
            std::size_t i = 0;
            do {
                std::memcpy(dst + i, src + i, 16);
                i += 16;
            } while (i < stringLength);
        } else {
            for (std::size_t i = 0; i < stringLength; ++i)
                dst[i] = src[i];
        }
        if (next < kMaxCodes) {
            ++next;
            if (next == (1 << codeBits) && codeBits < kMaxCodeBits) {
                ++codeBits;
                codeMask = (1u << codeBits) - 1;
            }
        }
        prevStart = kLiteralArea + pos;
        prevLength = stringLength;
        pos += stringLength;
    }
    // Word copies may have run past the last string: those pixels were never decoded.
    std::memset(out + pos, 0, kOvercopy);
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
    if (pixels > std::numeric_limits<uint32_t>::max() - kLiteralArea - kOvercopy)
        return 0;
    gatherSubBlocks(data + 1, size - 1);

    if (!target.interlaced && target.stride == target.width && target.headRoom >= kLiteralArea &&
        target.tailRoom >= kOvercopy) {
        // The head room's bytes are the target's to lend: they are put back afterwards.
        uint8_t* base = target.pixels - kLiteralArea;
        uint8_t saved[kLiteralArea];
        std::memcpy(saved, base, kLiteralArea);
        const std::size_t produced = decodeLinear(minCodeSize, base, pixels);
        std::memcpy(base, saved, kLiteralArea);
        return produced;
    }

    const std::size_t capacity = kLiteralArea + pixels + kOvercopy;
    if (m_linearCapacity < capacity) {
        m_linear.reset(new uint8_t[capacity]);
        m_linearCapacity = capacity;
    }
    const std::size_t produced = decodeLinear(minCodeSize, m_linear.get(), pixels);
    scatterRows(m_linear.get() + kLiteralArea, produced, target);
    return produced;
}

} // namespace anigif
