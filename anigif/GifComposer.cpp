#include "anigif/GifComposer.h"

#include <algorithm>
#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace anigif {

namespace {

constexpr uint32_t opaqueBlack = 0xFF000000u;

QRect frameRect(const GifFrame& f) {
    return QRect(f.Left, f.Top, f.Width, f.Height);
}

uint32_t* pixelAt(QImage& image, int x, int y) {
    return reinterpret_cast<uint32_t*>(image.bits() + ptrdiff_t(y) * image.bytesPerLine()) + x;
}

void clearRect(QImage& image, const QRect& r) {
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::memset(pixelAt(image, clipped.left(), y), 0, size_t(clipped.width()) * 4);
}

void copyRow(uint32_t* out, const uint8_t* in, int width, const uint32_t* colours) {
    for (int x = 0; x < width; ++x)
        out[x] = colours[in[x]];
}

// Only the pixels that are not see-through are written. Weather loops are mostly see-through
// over most of a frame, so whole runs of 16 see-through indices are skipped at once.
void overlayRow(uint32_t* out, const uint8_t* in, int width, const uint32_t* colours,
                uint8_t transparent) {
    int x = 0;
#ifdef __SSE2__
    const __m128i see = _mm_set1_epi8(char(transparent));
    for (; x + 16 <= width; x += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, see)));
        if (mask == 0xFFFFu)
            continue;
        if (mask == 0) {
            copyRow(out + x, in + x, 16, colours);
            continue;
        }
        for (int i = 0; i < 16; ++i)
            if (!(mask & (1u << i)))
                out[x + i] = colours[in[x + i]];
    }
#endif
    for (; x < width; ++x)
        if (in[x] != transparent)
            out[x] = colours[in[x]];
}

} // namespace

bool cellInStrip(const GifStream& gif, int f) {
    if (f < 1 || f > gif.FrameCount() || gif.FrameStrip.isNull())
        return false;
    const GifFrame& fr = gif.frame(f);
    return fr.Width > 0 && fr.Height > 0 && fr.StripX >= 0 &&
           int64_t(fr.StripX) + fr.Width <= gif.FrameStrip.width() &&
           fr.Height <= gif.FrameStrip.height();
}

void GifComposer::reset() {
    m_canvas = QImage();
    m_colours.clear();
    m_saved = std::vector<uint32_t>();
    m_savedArea = QRect();
    m_frameImage = QImage();
    m_shown = 0;
    m_frameImageOf = 0;
}

bool GifComposer::createCanvas(const GifStream& gif) {
    reset();
    if (gif.CanvasWidth <= 0 || gif.CanvasHeight <= 0 ||
        !CanvasWithinBudget(gif.CanvasWidth, gif.CanvasHeight, int64_t(gif.FrameStrip.byteCount())))
        return false;
    m_canvas = QImage(gif.CanvasWidth, gif.CanvasHeight, QImage::Format_ARGB32_Premultiplied);
    if (m_canvas.isNull())
        return false;
    m_canvas.fill(0);
    prepareColours(gif);
    return true;
}

void GifComposer::prepareColours(const GifStream& gif) {
    m_colours.resize(gif.ColorTables.size());
    for (size_t t = 0; t < gif.ColorTables.size(); ++t) {
        const ColorTable& table = gif.ColorTables[t];
        Colours& c = m_colours[t];
        // Indices past the table's colour count are black.
        c.fill(opaqueBlack);
        const int count = std::clamp<int>(int(table[kColorCountEntry]), 0, 256);
        for (int i = 0; i < count; ++i)
            c[size_t(i)] = opaqueBlack | (table[size_t(i)] & 0x00FFFFFFu);
    }
}

void GifComposer::invalidate() {
    m_shown = 0;
    m_frameImageOf = 0;
}

void GifComposer::recolour(const GifStream& gif, int decodedFrames) {
    m_frameImageOf = 0;
    prepareColours(gif);
    if (m_shown >= 1 && m_shown <= decodedFrames && hasCanvas())
        drawFrame(gif, m_shown, m_canvas, QPoint(gif.frame(m_shown).Left, gif.frame(m_shown).Top));
}

QRect GifComposer::disposeShown(const GifStream& gif) {
    QRect changed;
    if (m_shown < 1 || m_shown > gif.FrameCount())
        return changed;
    const GifFrame& fr = gif.frame(m_shown);
    if (fr.Disposal == 2) {
        changed = frameRect(fr) & m_canvas.rect();
        clearRect(m_canvas, changed);
    } else if (fr.Disposal == 3 && !m_savedArea.isEmpty()) {
        changed = m_savedArea;
        const int w = m_savedArea.width();
        for (int y = 0; y < m_savedArea.height(); ++y)
            std::memcpy(pixelAt(m_canvas, m_savedArea.left(), m_savedArea.top() + y),
                        m_saved.data() + size_t(y) * size_t(w), size_t(w) * 4);
    }
    m_savedArea = QRect();
    return changed;
}

void GifComposer::saveArea(const QRect& area) {
    m_savedArea = area;
    if (area.isEmpty())
        return;
    const int w = area.width();
    // Grows only: a loop of equal frames saves into the same memory every time.
    m_saved.resize(std::max(m_saved.size(), size_t(w) * size_t(area.height())));
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(m_saved.data() + size_t(y) * size_t(w),
                    pixelAt(m_canvas, area.left(), area.top() + y), size_t(w) * 4);
}

bool GifComposer::coversCanvas(const GifStream& gif, int f) const {
    const GifFrame& fr = gif.frame(f);
    return !fr.Transparent && frameRect(fr).contains(m_canvas.rect());
}

QRect GifComposer::composeTo(const GifStream& gif, int f, int decodedFrames) {
    if (!hasCanvas() || f < 1 || f > gif.FrameCount() || f == m_shown)
        return QRect();
    QRect dirty;
    if (f != m_shown + 1 || f == 1) {
        // Only the next frame can be composed on what is there; anything else starts afresh
        // from a see-through canvas (unless frame 1 paints all of it anyway).
        if (!coversCanvas(gif, 1) || decodedFrames < 1)
            m_canvas.fill(0);
        m_savedArea = QRect();
        m_shown = 0;
        dirty = m_canvas.rect();
    }
    for (int k = m_shown + 1; k <= f; ++k) {
        if (m_shown >= 1)
            dirty |= disposeShown(gif);
        const GifFrame& fr = gif.frame(k);
        const QRect area = frameRect(fr) & m_canvas.rect();
        if (fr.Disposal == 3)
            saveArea(area);
        if (k <= decodedFrames)
            drawFrame(gif, k, m_canvas, QPoint(fr.Left, fr.Top));
        dirty |= area;
        m_shown = k;
    }
    return dirty;
}

const QImage& GifComposer::frameImage(const GifStream& gif, int f, int decodedFrames) {
    if (f == m_frameImageOf && !m_frameImage.isNull())
        return m_frameImage;
    m_frameImageOf = 0;
    if (f < 1 || f > gif.FrameCount() || f > decodedFrames) {
        m_frameImage = QImage();
        return m_frameImage;
    }
    const GifFrame& fr = gif.frame(f);
    if (fr.Width <= 0 || fr.Height <= 0) {
        m_frameImage = QImage();
        return m_frameImage;
    }
    // The picture of the frame before is reused when the size is the same.
    if (m_frameImage.size() != QSize(fr.Width, fr.Height))
        m_frameImage = QImage(fr.Width, fr.Height, QImage::Format_ARGB32_Premultiplied);
    if (m_frameImage.isNull())
        return m_frameImage;
    m_frameImage.fill(0);
    drawFrame(gif, f, m_frameImage, QPoint(0, 0));
    m_frameImageOf = f;
    return m_frameImage;
}

void GifComposer::drawFrame(const GifStream& gif, int f, QImage& target, QPoint at) {
    const GifFrame& fr = gif.frame(f);
    const QRect area = QRect(at, QSize(fr.Width, fr.Height)) & target.rect();
    if (area.isEmpty())
        return;
    if (m_colours.size() != gif.ColorTables.size())
        prepareColours(gif);
    static const Colours allBlack = [] {
        Colours c;
        c.fill(opaqueBlack);
        return c;
    }();
    const uint32_t* colours = fr.ColorTable >= 0 && size_t(fr.ColorTable) < m_colours.size()
                                  ? m_colours[size_t(fr.ColorTable)].data()
                                  : allBlack.data();
    const bool hasCell = cellInStrip(gif, f);
    const int x0 = area.left() - at.x();
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uint32_t* out = pixelAt(target, area.left(), y);
        if (!hasCell) {
            // An undecodable frame shows index 0, as its zero-filled cell would.
            if (!fr.Transparent || fr.TransparentIndex != 0)
                std::fill(out, out + width, colours[0]);
        } else {
            const uint8_t* in = gif.FrameStrip.cell(fr.StripX + x0, y - at.y());
            if (fr.Transparent)
                overlayRow(out, in, width, colours, fr.TransparentIndex);
            else
                copyRow(out, in, width, colours);
        }
    }
}

} // namespace anigif
