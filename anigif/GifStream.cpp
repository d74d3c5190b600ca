// The block walk of a GIF file into frames, frame ranges and colour tables.
#include "anigif/GifStream.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

namespace anigif {

namespace {

// Thrown by the reads when the buffer ends; the walk keeps the frames accepted so far.
struct EndOfData {};

constexpr int kFirstRangeRoom = 10;
constexpr int kRangeGrowth = 5;
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImageDescriptor = 0x2C;
constexpr uint8_t kApplicationLabel = 0xFF;
constexpr uint8_t kGraphicControlLabel = 0xF9;

bool equalsIgnoringCase(const std::vector<uint8_t>& bytes, const char* text, bool upper) {
    const std::size_t n = std::strlen(text);
    if (bytes.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        const int c = upper ? std::toupper(bytes[i]) : std::tolower(bytes[i]);
        if (c != static_cast<unsigned char>(text[i]))
            return false;
    }
    return true;
}

class GifParser {
public:
    explicit GifParser(GifStream& gif)
        : m_gif(gif), m_data(reinterpret_cast<const uint8_t*>(gif.Buffer.constData())),
          m_size(gif.Buffer.size()) {}

    int run();

private:
    int64_t remaining() const { return m_size - m_pos; }

    uint8_t readByte() {
        if (m_pos >= m_size)
            throw EndOfData{};
        return m_data[m_pos++];
    }
    int32_t readWord() {
        const int32_t low = readByte();
        return low | (int32_t(readByte()) << 8);
    }
    // A short buffer leaves the scratch all zero and the position where it was.
    const std::vector<uint8_t>& readBlock(int n) {
        m_scratch.assign(std::size_t(n), 0);
        if (remaining() >= n) {
            std::memcpy(m_scratch.data(), m_data + m_pos, std::size_t(n));
            m_pos += n;
        }
        return m_scratch;
    }
    void skipSubBlocks() {
        while (m_pos >= 0 && m_pos < m_size) {
            const int length = m_data[m_pos];
            if (length == 0)
                break;
            m_pos += length + 1;
        }
        ++m_pos;
    }
    bool readColorTable(int index, int bits);

    void readApplicationExtension();
    void readGraphicControl(int64_t extensionPos);
    // False when the frame has no colour table at all: the whole load fails.
    bool readImage(int64_t descriptorPos);

    GifStream& m_gif;
    const uint8_t* m_data;
    int64_t m_size;
    int64_t m_pos = 0;
    std::vector<uint8_t> m_scratch;
    GifFrame m_current;
    int m_count = 0;
};

// False when the tables would outgrow the allocation budget.
bool GifParser::readColorTable(int index, int bits) {
    const int colours = 1 << bits;
    const std::size_t needed = std::size_t(index) + 1;
    if (int64_t(needed * sizeof(ColorTable)) > kMaxGifAllocationBytes / 4)
        return false;
    if (m_gif.ColorTables.size() < needed)
        m_gif.ColorTables.resize(needed, ColorTable{});
    if (remaining() < int64_t(colours) * 3 + 1)
        throw EndOfData{};
    ColorTable& table = m_gif.ColorTables[std::size_t(index)];
    for (int i = 0; i < colours; ++i) {
        const uint8_t* rgb = m_data + m_pos;
        table[std::size_t(i)] = (uint32_t(rgb[0]) << 16) | (uint32_t(rgb[1]) << 8) | rgb[2];
        m_pos += 3;
    }
    table[kColorCountEntry] = uint32_t(colours);
    return true;
}

void GifParser::readApplicationExtension() {
    const int blockSize = readByte();
    if (equalsIgnoringCase(readBlock(blockSize), "NETSCAPE2.0", true)) {
        if (readByte() == 3) {
            readByte(); // sub-block identifier
            m_gif.LoopCount = readWord();
        } else {
            --m_pos;
        }
    }
    skipSubBlocks();
}

void GifParser::readGraphicControl(int64_t extensionPos) {
    m_current = GifFrame{};
    m_current.StripX = int32_t(extensionPos);
    readByte(); // block size
    const uint8_t packed = readByte();
    int disposal = (packed >> 2) & 7;
    if (disposal > 3 || (disposal == 3 && m_count == 0))
        disposal = 0; // nothing to restore before the first frame
    m_current.Disposal = uint8_t(disposal);
    m_current.Delay = readWord() * 10;
    m_current.Transparent = packed & 1;
    if (m_current.Transparent)
        m_current.TransparentIndex = readByte();
    else
        m_pos = extensionPos + 7;
    skipSubBlocks();
}

bool GifParser::readImage(int64_t descriptorPos) {
    const std::size_t slot = std::size_t(m_count);
    m_gif.FrameRanges[slot].Offset = int32_t(descriptorPos);
    if (m_current.StripX == 0)
        m_current.StripX = int32_t(descriptorPos);
    m_current.Left = readWord();
    m_current.Top = readWord();
    m_current.Width = readWord();
    m_current.Height = readWord();
    const uint8_t packed = readByte();
    if (packed & 0x80) {
        m_current.ColorTable = ++m_gif.LocalTableCount;
        if (!readColorTable(m_current.ColorTable, (packed & 7) + 1))
            return false;
    } else if (!m_gif.HasGlobalTable) {
        return false;
    }
    readByte(); // LZW minimum code size
    skipSubBlocks();
    // Data cut off inside the image ends the range at the buffer end.
    const int64_t end = std::min(m_pos, m_size);
    ++m_count;
    m_gif.FrameRanges[slot].Length = int32_t(end - descriptorPos);
    if (m_gif.FrameRanges[slot].Length > 2) {
        m_gif.Frames.push_back(m_current);
        if (std::size_t(m_count) >= m_gif.FrameRanges.size())
            m_gif.FrameRanges.resize(m_gif.FrameRanges.size() + kRangeGrowth);
        m_gif.CanvasWidth = std::max(m_gif.CanvasWidth, m_current.Left + m_current.Width);
        m_gif.CanvasHeight = std::max(m_gif.CanvasHeight, m_current.Top + m_current.Height);
    } else {
        --m_count;
    }
    m_current = GifFrame{};
    return true;
}

int GifParser::run() {
    m_gif.ColorTables.assign(1, ColorTable{});
    m_gif.FrameRanges.assign(kFirstRangeRoom, FrameRange{});
    const std::vector<uint8_t>& signature = readBlock(6);
    if (!equalsIgnoringCase(signature, "gif89a", false) &&
        !equalsIgnoringCase(signature, "gif87a", false))
        return 0;
    try {
        m_pos = 10; // packed byte of the logical screen descriptor
        const uint8_t packed = readByte();
        m_pos = 13; // background colour index and aspect ratio are not used
        if (packed & 0x80) {
            m_gif.LocalTableCount = 0;
            if (!readColorTable(0, (packed & 7) + 1))
                return 0;
            m_gif.HasGlobalTable = true;
        }
        for (;;) {
            const int64_t blockPos = m_pos;
            const uint8_t b = readByte();
            if (b == 0x00)
                continue;
            if (b == kExtension) {
                const uint8_t label = readByte();
                if (label == kApplicationLabel)
                    readApplicationExtension();
                else if (label == kGraphicControlLabel)
                    readGraphicControl(blockPos);
                else
                    skipSubBlocks();
            } else if (b == kImageDescriptor) {
                if (!readImage(blockPos))
                    return 0;
            } else {
                break;
            }
        }
    } catch (const EndOfData&) {
    }
    return m_count;
}

} // namespace

void GifStream::clear() {
    ColorTables.clear();
    LocalTableCount = 0;
    HasGlobalTable = false;
    Frames.clear();
    FrameRanges.clear();
    CanvasWidth = 0;
    CanvasHeight = 0;
    LoopCount = 0;
    FrameStrip.release();
}

int ParseGif(GifStream& gif) {
    gif.clear();
    // Positions are 32-bit; a larger buffer cannot be a GIF we could hold anyway.
    if (gif.Buffer.size() > std::numeric_limits<int32_t>::max())
        return 0;
    const int count = GifParser(gif).run();
    if (count == 0 || !WithinAllocationBudget(gif, true, count > 1)) {
        gif.clear();
        return 0;
    }
    return count;
}

} // namespace anigif
