#include "anigif/GifComposer.h"

#include <algorithm>
#include <cstring>

namespace anigif {

namespace {

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

// A frame's rows lie a whole strip width apart in the strip, too far apart for the processor to
// see the pattern: without a hint every row would start with a wait for memory.
void prefetchRow(const uint8_t* row, int width) {
    for (int i = 0; i < width; i += 64)
        __builtin_prefetch(row + i);
    __builtin_prefetch(row + width - 1);
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
    for (size_t t = 0; t < gif.ColorTables.size(); ++t)
        m_colours[t].set(gif.ColorTables[t]);
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
    static const PreparedColours allBlack = [] {
        PreparedColours c;
        c.set(ColorTable{}); // no colours: every index black
        return c;
    }();
    const PreparedColours& colours = fr.ColorTable >= 0 && size_t(fr.ColorTable) < m_colours.size()
                                         ? m_colours[size_t(fr.ColorTable)]
                                         : allBlack;
    const int transparent = fr.Transparent ? int(fr.TransparentIndex) : -1;
    const int x0 = area.left() - at.x();
    const int width = area.width();
    uint8_t* const targetBits = target.bits();
    const auto rowOut = [&](int y) {
        return reinterpret_cast<uint32_t*>(targetBits + ptrdiff_t(y) * target.bytesPerLine()) +
               area.left();
    };
    if (!cellInStrip(gif, f)) {
        // An undecodable frame shows index 0, as its zero-filled cell would.
        if (transparent != 0)
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::fill(rowOut(y), rowOut(y) + width, colours.argb[0]);
        return;
    }
    const ptrdiff_t stride = gif.FrameStrip.stride();
    const uint8_t* in = gif.FrameStrip.cell(fr.StripX + x0, area.top() - at.y());
    for (int y = area.top(); y <= area.bottom(); ++y, in += stride) {
        if (y + 2 <= area.bottom())
            prefetchRow(in + 2 * stride, width);
        drawRow(m_kernel, rowOut(y), in, width, colours, transparent);
    }
}

} // namespace anigif
