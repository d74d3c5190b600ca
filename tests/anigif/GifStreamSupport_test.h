// Helpers of the GIF model tests: hand-made GIF byte streams and giflib as reference decoder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace giftest {

inline QString corpusDir() {
    return QStringLiteral(NIMBRISCO_GIF_CORPUS);
}

inline QByteArray readCorpusFile(const QString& relative) {
    QFile file(corpusDir() + QLatin1Char('/') + relative);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline QStringList corpusGifs(const QString& folder) {
    QDir dir(corpusDir() + QLatin1Char('/') + folder);
    QStringList names = dir.entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name = folder + QLatin1Char('/') + name;
    return names;
}

inline uint32_t testColour(int i) {
    return (uint32_t(i * 3 & 0xFF) << 16) | (uint32_t(i * 5 & 0xFF) << 8) | uint32_t(i * 7 & 0xFF);
}

// LZW data that never compresses: literals only, with a clear code before the code width
// would have to grow. Returns the minimum code size byte, the sub-blocks and the terminator.
inline QByteArray literalLzw(int minCodeSize, const std::vector<uint8_t>& pixels) {
    const int clear = 1 << minCodeSize;
    const int codeBits = minCodeSize + 1;
    const int literalsPerClear = (1 << codeBits) - clear - 2;
    QByteArray packed;
    uint32_t bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= uint32_t(code) << count;
        count += codeBits;
        while (count >= 8) {
            packed.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    int sinceClear = 0;
    put(clear);
    for (uint8_t pixel : pixels) {
        if (sinceClear == literalsPerClear) {
            put(clear);
            sinceClear = 0;
        }
        put(pixel);
        ++sinceClear;
    }
    put(clear + 1);
    if (count > 0)
        packed.append(char(bits & 0xFF));
    QByteArray out(1, char(minCodeSize));
    for (int i = 0; i < packed.size(); i += 255) {
        const int n = std::min<int>(255, int(packed.size()) - i);
        out.append(char(n));
        out.append(packed.mid(i, n));
    }
    out.append('\0');
    return out;
}

// Builds GIF streams block by block, including broken ones.
class GifWriter {
public:
    GifWriter& header(const char* signature, int width, int height, int globalBits) {
        m_bytes.append(signature, 6);
        word(width);
        word(height);
        m_bytes.append(char(globalBits > 0 ? 0x80 | 0x70 | (globalBits - 1) : 0x70));
        m_bytes.append('\0').append('\0');
        if (globalBits > 0)
            table(globalBits);
        return *this;
    }
    GifWriter& graphicControl(int disposal, int delayCs, bool transparent, int index) {
        m_bytes.append("\x21\xF9\x04", 3);
        m_bytes.append(char((disposal << 2) | (transparent ? 1 : 0)));
        word(delayCs);
        m_bytes.append(char(index)).append('\0');
        return *this;
    }
    GifWriter& netscape(int loops, const char* name = "NETSCAPE2.0") {
        m_bytes.append("\x21\xFF\x0B", 3).append(name, 11);
        m_bytes.append("\x03\x01", 2);
        word(loops);
        m_bytes.append('\0');
        return *this;
    }
    GifWriter& comment(const char* text) {
        m_bytes.append("\x21\xFE", 2).append(char(std::strlen(text))).append(text).append('\0');
        return *this;
    }
    // Pixels in stream order (interlaced pass order when interlaced).
    GifWriter& image(int left, int top, int width, int height, int localBits = 0,
                     bool interlaced = false, std::vector<uint8_t> pixels = {}) {
        if (pixels.empty())
            for (int i = 0; i < width * height; ++i)
                pixels.push_back(uint8_t(i % 3));
        m_bytes.append(char(0x2C));
        word(left);
        word(top);
        word(width);
        word(height);
        m_bytes.append(
            char((localBits > 0 ? 0x80 | (localBits - 1) : 0) | (interlaced ? 0x40 : 0)));
        if (localBits > 0)
            table(localBits);
        m_bytes.append(literalLzw(8, pixels));
        return *this;
    }
    GifWriter& raw(const QByteArray& bytes) {
        m_bytes.append(bytes);
        return *this;
    }
    GifWriter& trailer() {
        m_bytes.append(char(0x3B));
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }

private:
    void word(int value) { m_bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF)); }
    void table(int bits) {
        for (int i = 0; i < (1 << bits); ++i) {
            const uint32_t c = testColour(i);
            m_bytes.append(char(c >> 16)).append(char(c >> 8)).append(char(c));
        }
    }
    QByteArray m_bytes;
};

// What giflib makes of a stream: DGifSlurp's frames, de-interlaced.
struct GiflibImage {
    bool ok = false;
    int screenWidth = 0;
    int screenHeight = 0;
    struct Frame {
        int left, top, width, height;
        std::vector<uint8_t> indices;
    };
    std::vector<Frame> frames;
};

inline GiflibImage giflibSlurp(const QByteArray& bytes) {
    struct Source {
        const QByteArray* bytes;
        int pos;
    } source{&bytes, 0};
    auto read = [](GifFileType* file, GifByteType* out, int n) -> int {
        auto* s = static_cast<Source*>(file->UserData);
        const int count = std::min<int>(n, int(s->bytes->size()) - s->pos);
        std::memcpy(out, s->bytes->constData() + s->pos, std::size_t(std::max(count, 0)));
        s->pos += std::max(count, 0);
        return std::max(count, 0);
    };
    GiflibImage result;
    int error = 0;
    GifFileType* file = DGifOpen(&source, read, &error);
    if (!file)
        return result;
    result.ok = DGifSlurp(file) == GIF_OK;
    result.screenWidth = file->SWidth;
    result.screenHeight = file->SHeight;
    for (int i = 0; result.ok && i < file->ImageCount; ++i) {
        const SavedImage& image = file->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        result.frames.push_back(
            {d.Left, d.Top, d.Width, d.Height,
             std::vector<uint8_t>(image.RasterBits, image.RasterBits + d.Width * d.Height)});
    }
    DGifCloseFile(file, &error);
    return result;
}

// A GIF89a of full-size frames written by giflib's encoder, 256 global colours.
inline QByteArray giflibEncode(int width, int height,
                               const std::vector<std::vector<uint8_t>>& frames,
                               bool interlaced = false) {
    QByteArray out;
    auto write = [](GifFileType* file, const GifByteType* data, int n) -> int {
        static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), n);
        return n;
    };
    int error = 0;
    GifFileType* file = EGifOpen(&out, write, &error);
    EGifSetGifVersion(file, true);
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = testColour(i);
        colours[std::size_t(i)] = {GifByteType(c >> 16), GifByteType(c >> 8), GifByteType(c)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifPutScreenDesc(file, width, height, 8, 0, map);
    GifFreeMapObject(map);
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (const std::vector<uint8_t>& pixels : frames) {
        EGifPutImageDesc(file, 0, 0, width, height, interlaced, nullptr);
        std::vector<GifPixelType> rows(pixels.begin(), pixels.end());
        for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass)
            for (int y = interlaced ? kStart[pass] : 0; y < height;
                 y += interlaced ? kStep[pass] : 1)
                EGifPutLine(file, rows.data() + std::size_t(y) * std::size_t(width), width);
    }
    EGifCloseFile(file, &error);
    return out;
}

} // namespace giftest
