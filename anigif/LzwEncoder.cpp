// GIF LZW compression with a 5003-entry open-addressing string table, and the single-frame
// GIF89a stream written around it.
#include "anigif/LzwEncoder.h"

#include <array>
#include <vector>

namespace anigif {

namespace {

constexpr int kMinCodeSize = 8;
constexpr int kMaxBits = 12;
constexpr int kMaxCodes = 1 << kMaxBits;
constexpr int kHashSize = 5003; // prime, about 80% occupancy at 4096 strings
constexpr int kHashShift = 4;
constexpr int kSubBlockBytes = 254;

// Packs codes least significant bit first into sub-blocks.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : m_out(out) {}

    void put(int code, int bits) {
        m_bits |= uint64_t(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            byte(uint8_t(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    void finish() {
        if (m_count > 0)
            byte(uint8_t(m_bits & 0xFF));
        flushBlock();
        m_out.append('\0');
    }

private:
    void byte(uint8_t b) {
        m_block[std::size_t(m_blockBytes++)] = b;
        if (m_blockBytes == kSubBlockBytes)
            flushBlock();
    }
    void flushBlock() {
        if (m_blockBytes == 0)
            return;
        m_out.append(char(m_blockBytes));
        m_out.append(reinterpret_cast<const char*>(m_block.data()), m_blockBytes);
        m_blockBytes = 0;
    }

    QByteArray& m_out;
    uint64_t m_bits = 0;
    int m_count = 0;
    std::array<uint8_t, kSubBlockBytes> m_block{};
    int m_blockBytes = 0;
};

class LzwCompressor {
public:
    explicit LzwCompressor(QByteArray& out) : m_writer(out) { resetTable(); }

    void compress(const uint8_t* pixels, ptrdiff_t stride, int width, int height) {
        writeCode(kClear);
        int prefix = pixels[0];
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = pixels + y * stride;
            for (int x = y == 0 ? 1 : 0; x < width; ++x)
                prefix = extend(prefix, row[x]);
        }
        writeCode(prefix);
        writeCode(kEnd);
        m_writer.finish();
    }

private:
    static constexpr int kClear = 1 << kMinCodeSize;
    static constexpr int kEnd = kClear + 1;

    void resetTable() {
        m_keys.assign(kHashSize, -1);
        m_codes.assign(kHashSize, 0);
        m_next = kClear + 2;
    }

    // The code for prefix + c when the table knows it; otherwise writes prefix, learns the
    // new string (or starts a new table when it is full) and returns c.
    int extend(int prefix, uint8_t c) {
        const int32_t key = (int32_t(c) << kMaxBits) + prefix;
        int slot = (int(c) << kHashShift) ^ prefix;
        if (m_keys[std::size_t(slot)] == key)
            return m_codes[std::size_t(slot)];
        if (m_keys[std::size_t(slot)] >= 0) {
            const int step = slot == 0 ? 1 : kHashSize - slot;
            do {
                slot -= step;
                if (slot < 0)
                    slot += kHashSize;
                if (m_keys[std::size_t(slot)] == key)
                    return m_codes[std::size_t(slot)];
            } while (m_keys[std::size_t(slot)] >= 0);
        }
        writeCode(prefix);
        if (m_next < kMaxCodes) {
            m_codes[std::size_t(slot)] = uint16_t(m_next++);
            m_keys[std::size_t(slot)] = key;
        } else {
            resetTable();
            writeCode(kClear);
        }
        return c;
    }

    // Writes a code at the present width; the width follows the table as the decoder sees it.
    void writeCode(int code) {
        m_writer.put(code, m_bits);
        if (code == kClear) {
            m_bits = kMinCodeSize + 1;
        } else if (m_next > (1 << m_bits) - 1 && m_bits < kMaxBits) {
            ++m_bits;
        }
    }

    CodeWriter m_writer;
    std::vector<int32_t> m_keys;
    std::vector<uint16_t> m_codes;
    int m_next = 0;
    int m_bits = kMinCodeSize + 1;
};

void appendWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

} // namespace

void AppendLzwImageData(QByteArray& out, const uint8_t* pixels, ptrdiff_t stride, int width,
                        int height) {
    out.append(char(kMinCodeSize));
    if (!pixels || width <= 0 || height <= 0) {
        CodeWriter writer(out);
        writer.put(1 << kMinCodeSize, kMinCodeSize + 1);
        writer.put((1 << kMinCodeSize) + 1, kMinCodeSize + 1);
        writer.finish();
        return;
    }
    LzwCompressor(out).compress(pixels, stride, width, height);
}

QByteArray WriteSingleFrameGif(const uint8_t* pixels, ptrdiff_t stride, int width, int height,
                               const uint32_t* palette, int colorCount, bool transparent,
                               uint8_t transparentIndex) {
    if (!pixels || width < 1 || height < 1 || width > 65535 || height > 65535)
        return QByteArray();
    QByteArray out;
    out.reserve(800 + width * height / 2);
    out.append("GIF89a", 6);
    appendWord(out, width);
    appendWord(out, height);
    out.append(char(0x87)).append('\0').append('\0');
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = (palette && i < colorCount) ? palette[i] : 0;
        out.append(char((c >> 16) & 0xFF)).append(char((c >> 8) & 0xFF)).append(char(c & 0xFF));
    }
    if (transparent) {
        out.append("\x21\xF9\x04\x01\x00\x00", 6);
        out.append(char(transparentIndex)).append('\0');
    }
    out.append(char(0x2C));
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, width);
    appendWord(out, height);
    out.append('\0');
    AppendLzwImageData(out, pixels, stride, width, height);
    out.append(char(0x3B));
    return out;
}

} // namespace anigif
