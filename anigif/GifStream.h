// The loaded-GIF model: block walk of a GIF file into frames and colour tables, and the
// 8-bit strip that holds every decoded frame as colour indices.
#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace anigif {

// Entry 256 of a colour table holds its colour count (2 to 256; 0 for an absent global table).
constexpr int kColorCountEntry = 256;
using ColorTable = std::array<uint32_t, 257>; // entries 0..255: 0x00RRGGBB

// One accepted frame, fields in the order the file format's users expect them.
struct GifFrame {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Delay = 0;      // milliseconds (hundredths from the file x 10)
    int32_t ColorTable = 0; // index into GifStream::ColorTables, 0 = global
    // While parsing: buffer index of the frame's first byte (its graphic control extension,
    // else its image descriptor). After decoding: x of the frame's cell in the strip.
    int32_t StripX = 0;
    uint8_t TransparentIndex = 0;
    uint8_t Transparent = 0; // 1 when TransparentIndex is see-through
    uint8_t Disposal = 0;    // 0 to 3
    uint8_t Spare = 0;
};

// Where a frame's bytes lie in the GIF buffer: from its image descriptor (0x2C) up to and
// including the zero-length sub-block that ends its image data (clipped to the buffer end).
struct FrameRange {
    int32_t Offset = 0; // 0-based index into GifStream::Buffer
    int32_t Length = 0;
};

// The 8-bit strip: frame k's indices in the cell (StripX, 0, Width, Height). Zero-filled at
// creation, so a frame whose data cannot be decoded shows index 0 where nothing was written.
class Strip {
public:
    Strip() = default;
    ~Strip() { release(); }
    Strip(const Strip&) = delete;
    Strip& operator=(const Strip&) = delete;
    Strip(Strip&& other) noexcept { *this = std::move(other); }
    Strip& operator=(Strip&& other) noexcept;

    // Allocates a zero-filled width x height strip. False (and empty) when either side is 0,
    // the size is beyond the allocation budget, or memory runs out.
    bool create(int width, int height);
    void release();

    // Bytes kept before the first and after the last pixel: the decoder writes its literal
    // strings before the pixels and may copy whole words past the end.
    static constexpr std::size_t kHeadRoom = 272;
    static constexpr std::size_t kTailRoom = 64;

    bool isNull() const { return !m_pixels; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    ptrdiff_t stride() const { return m_width; }
    uint8_t* bits() { return m_pixels; }
    const uint8_t* bits() const { return m_pixels; }
    const uint8_t* cell(int x, int y = 0) const { return m_pixels + y * stride() + x; }
    uint8_t* cell(int x, int y = 0) { return m_pixels + y * stride() + x; }
    std::size_t byteCount() const { return std::size_t(m_width) * std::size_t(m_height); }

    // A Format_Indexed8 image over the strip's own memory (no copy), with the identity palette
    // (colour i = red 0, green 0, blue i). Valid while the strip lives and is not recreated.
    QImage view() const;

private:
    uint8_t* m_block = nullptr; // the allocation, head room included
    std::size_t m_blockSize = 0;
    bool m_mapped = false; // mapped pages rather than the heap
    uint8_t* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Everything one load produces. Frames and FrameRanges are 0-based vectors: frame k (1..N)
// is Frames[k - 1].
struct GifStream {
    QByteArray Buffer; // the whole file; ParseGif and decoding read it, nobody else needs to

    std::vector<ColorTable> ColorTables; // [0] global (always present), [1..K] local tables
    int32_t LocalTableCount = 0;         // K
    bool HasGlobalTable = false;

    std::vector<GifFrame> Frames;
    // Room for 10 frames at first, 5 more whenever the frame count reaches the end; entries
    // past FrameCount() are unused.
    std::vector<FrameRange> FrameRanges;

    int32_t CanvasWidth = 0;  // largest Left + Width over all frames
    int32_t CanvasHeight = 0; // largest Top + Height over all frames
    int32_t LoopCount = 0;    // NETSCAPE2.0 loop count, 0 = forever or no such block

    Strip FrameStrip;

    int FrameCount() const { return int(Frames.size()); }
    GifFrame& frame(int k) { return Frames[std::size_t(k - 1)]; }
    const GifFrame& frame(int k) const { return Frames[std::size_t(k - 1)]; }
    const ColorTable& tableOf(int k) const { return ColorTables[std::size_t(frame(k).ColorTable)]; }

    // Drops everything a load built (frames, ranges, tables, strip, sizes, loop count);
    // keeps Buffer.
    void clear();
};

// ---- GifStream.cpp: the block walk ------------------------------------------------------

// Walks gif.Buffer and fills the tables, frames, ranges, canvas size and loop count. Returns
// the number of frames N (0 = the load fails: bad signature, a frame without any colour table,
// or a GIF that would need more memory than the allocation budget). Running out of data keeps
// the frames accepted so far.
int ParseGif(GifStream& gif);

// ---- GifStrip.cpp: strip creation and decoding into it ----------------------------------

// Creates the zero-filled strip for frame 1 only (design time or a single frame) or for all
// frames. False when it cannot be created (empty area, over budget, no memory).
bool CreateStrip(GifStream& gif, bool allFrames);

// Decodes frames first..last (1-based, inclusive) into their strip cells and sets their
// StripX (0 for frame 1, else StripX + Width of the frame before, so decode in order).
// Frames whose cell does not fit the strip are skipped. Needs gif.Buffer and FrameRanges.
// Returns false when the strip does not exist or the range is invalid.
bool DecodeStripFrames(GifStream& gif, int first, int last);

// ParseGif, then the strip for all frames and all frames decoded. Returns N (0 = failure).
int LoadAndDecodeAll(GifStream& gif);

// The first frame of a GIF as a Format_Indexed8 picture of its own size, coloured through its
// table (a transparent index gets alpha 0); a null image when the bytes hold no frame.
QImage DecodeFirstFrameImage(const QByteArray& bytes);

// ---- GifBudget.cpp: the memory bound of one GIF -----------------------------------------

// What one loaded GIF may allocate for strip, canvas and mask together.
constexpr int64_t kMaxGifAllocationBytes = int64_t(1) << 30;

// Bytes of a 32-bit canvas plus its 1-bit mask (rows rounded to 4 bytes) of w x h pixels.
int64_t CanvasAndMaskBytes(int64_t width, int64_t height);
// Bytes of the strip for frame 1 only or for all frames.
int64_t StripBytes(const GifStream& gif, bool allFrames);
// Whether strip (+ canvas and mask when withCanvas) stay within kMaxGifAllocationBytes.
bool WithinAllocationBudget(const GifStream& gif, bool allFrames, bool withCanvas);
// Whether a canvas and mask of w x h may be allocated next to a strip of stripBytes.
bool CanvasWithinBudget(int64_t width, int64_t height, int64_t stripBytes);

} // namespace anigif
