// The 8-bit strip of decoded frames: its creation and the decoding of frames into it.
#include "anigif/GifStream.h"
#include "anigif/LzwDecoder.h"

#include <QColor>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace anigif {

namespace {

constexpr int kDescriptorBytes = 10;

QList<QRgb> identityPalette() {
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = qRgb(0, 0, i);
    return colours;
}

// Zero-filled memory. Large strips are mapped in huge pages where the system offers them:
// the first touch of a page then costs one fault per 2 MiB instead of one per 4 KiB, which
// is most of what filling a large strip costs.
uint8_t* allocateZeroed(std::size_t size, bool& mapped) {
    mapped = false;
#ifdef __linux__
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    if (size >= 2 * kHuge) {
        const std::size_t rounded = (size + kHuge - 1) & ~(kHuge - 1);
        void* raw = mmap(nullptr, rounded + kHuge, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (raw != MAP_FAILED) {
            // Keep a 2 MiB aligned window and give the rest back.
            const auto start = reinterpret_cast<uintptr_t>(raw);
            const uintptr_t aligned = (start + kHuge - 1) & ~uintptr_t(kHuge - 1);
            if (aligned > start)
                munmap(raw, aligned - start);
            const std::size_t tail = (start + rounded + kHuge) - (aligned + rounded);
            if (tail > 0)
                munmap(reinterpret_cast<void*>(aligned + rounded), tail);
            madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE);
            mapped = true;
            return reinterpret_cast<uint8_t*>(aligned);
        }
    }
#endif
    return static_cast<uint8_t*>(std::calloc(size, 1));
}

void freeZeroed(uint8_t* block, std::size_t size, bool mapped) {
#ifdef __linux__
    if (mapped) {
        constexpr std::size_t kHuge = std::size_t(2) << 20;
        munmap(block, (size + kHuge - 1) & ~(kHuge - 1));
        return;
    }
#endif
    (void)size;
    (void)mapped;
    std::free(block);
}

} // namespace

Strip& Strip::operator=(Strip&& other) noexcept {
    if (this != &other) {
        release();
        std::swap(m_block, other.m_block);
        std::swap(m_blockSize, other.m_blockSize);
        std::swap(m_mapped, other.m_mapped);
        std::swap(m_pixels, other.m_pixels);
        std::swap(m_width, other.m_width);
        std::swap(m_height, other.m_height);
    }
    return *this;
}

bool Strip::create(int width, int height) {
    release();
    if (width <= 0 || height <= 0)
        return false;
    const int64_t bytes = int64_t(width) * int64_t(height);
    if (bytes > kMaxGifAllocationBytes)
        return false;
    const std::size_t size = kHeadRoom + std::size_t(bytes) + kTailRoom;
    m_block = allocateZeroed(size, m_mapped);
    if (!m_block)
        return false;
    m_blockSize = size;
    m_pixels = m_block + kHeadRoom;
    m_width = width;
    m_height = height;
    return true;
}

void Strip::release() {
    if (m_block)
        freeZeroed(m_block, m_blockSize, m_mapped);
    m_block = nullptr;
    m_blockSize = 0;
    m_pixels = nullptr;
    m_width = 0;
    m_height = 0;
}

QImage Strip::view() const {
    if (isNull())
        return QImage();
    QImage image(static_cast<const uchar*>(m_pixels), m_width, m_height, stride(),
                 QImage::Format_Indexed8);
    image.setColorTable(identityPalette());
    return image;
}

bool CreateStrip(GifStream& gif, bool allFrames) {
    gif.FrameStrip.release();
    const std::size_t held =
        allFrames ? gif.Frames.size() : std::min<std::size_t>(1, gif.Frames.size());
    int64_t width = 0;
    int height = 0;
    for (std::size_t i = 0; i < held; ++i) {
        width += gif.Frames[i].Width;
        height = std::max(height, int(gif.Frames[i].Height));
    }
    if (width > std::numeric_limits<int>::max())
        return false;
    return gif.FrameStrip.create(int(width), height);
}

bool DecodeStripFrames(GifStream& gif, int first, int last) {
    Strip& strip = gif.FrameStrip;
    if (strip.isNull() || first < 1 || last > gif.FrameCount() || first > last)
        return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(gif.Buffer.constData());
    const int64_t bufferSize = gif.Buffer.size();
    int64_t x = 0;
    for (int k = 1; k < first; ++k)
        x += gif.frame(k).Width;

    LzwDecoder decoder;
    for (int k = first; k <= last; ++k) {
        GifFrame& frame = gif.frame(k);
        const int64_t cellX = x;
        x += frame.Width;
        if (x > strip.width() || frame.Height > strip.height())
            continue; // the strip was made for fewer frames
        frame.StripX = int32_t(cellX);
        if (std::size_t(k) > gif.FrameRanges.size())
            continue;
        const FrameRange& range = gif.FrameRanges[std::size_t(k - 1)];
        const int64_t end = std::min<int64_t>(bufferSize, int64_t(range.Offset) + range.Length);
        if (range.Offset < 0 || end - range.Offset <= kDescriptorBytes)
            continue;
        const uint8_t packed = bytes[range.Offset + kDescriptorBytes - 1];
        const int64_t localTable = (packed & 0x80) ? int64_t(3) << ((packed & 7) + 1) : 0;
        const int64_t dataPos = range.Offset + kDescriptorBytes + localTable;
        if (dataPos >= end)
            continue;

        IndexTarget target;
        target.pixels = strip.cell(frame.StripX);
        target.stride = strip.stride();
        target.width = frame.Width;
        target.height = frame.Height;
        target.interlaced = (packed & 0x40) != 0;
        // Only a strip that holds this one frame lends its head and tail room.
        if (cellX == 0 && frame.Width == strip.width() && frame.Height == strip.height()) {
            target.headRoom = Strip::kHeadRoom;
            target.tailRoom = Strip::kTailRoom;
        }
        decoder.decode(bytes + dataPos, std::size_t(end - dataPos), target);
    }
    return true;
}

int LoadAndDecodeAll(GifStream& gif) {
    const int count = ParseGif(gif);
    if (count == 0)
        return 0;
    if (!CreateStrip(gif, true) || !DecodeStripFrames(gif, 1, count)) {
        gif.clear();
        return 0;
    }
    return count;
}

QImage DecodeFirstFrameImage(const QByteArray& bytes) {
    GifStream gif;
    gif.Buffer = bytes;
    if (ParseGif(gif) == 0 || !CreateStrip(gif, false) || !DecodeStripFrames(gif, 1, 1))
        return QImage();
    const GifFrame& frame = gif.frame(1);
    QImage image = gif.FrameStrip.view().copy(0, 0, frame.Width, frame.Height);
    const ColorTable& table = gif.tableOf(1);
    const int count = int(std::min<uint32_t>(table[kColorCountEntry], 256));
    QList<QRgb> colours(256, qRgb(0, 0, 0));
    for (int i = 0; i < count; ++i)
        colours[i] = 0xFF000000u | table[std::size_t(i)];
    if (frame.Transparent)
        colours[frame.TransparentIndex] &= 0x00FFFFFFu;
    image.setColorTable(colours);
    return image;
}

} // namespace anigif
