#include "anigif/GifComposer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace anigif {

namespace {

constexpr uint32_t opaqueBlack = 0xFF000000u;

// Colour of every index through the frame's table; indices past the table's colour count are
// black. For a transparent frame its index maps to 0 with a keep mask of all ones, so that
// drawing is (old & keep) | colour without a branch per pixel.
struct FrameColours {
    std::array<uint32_t, 256> colour;
    std::array<uint32_t, 256> keep;
};

void fillColours(const GifStream& gif, const GifFrame& frame, FrameColours& c) {
    c.colour.fill(opaqueBlack);
    c.keep.fill(0);
    if (frame.ColorTable >= 0 && size_t(frame.ColorTable) < gif.ColorTables.size()) {
        const ColorTable& table = gif.ColorTables[size_t(frame.ColorTable)];
        const int count = std::clamp<int>(int(table[kColorCountEntry]), 0, 256);
        for (int i = 0; i < count; ++i)
            c.colour[size_t(i)] = opaqueBlack | (table[size_t(i)] & 0x00FFFFFFu);
    }
    if (frame.Transparent) {
        c.colour[frame.TransparentIndex] = 0;
        c.keep[frame.TransparentIndex] = ~0u;
    }
}

QRect frameRect(const GifFrame& f) {
    return QRect(f.Left, f.Top, f.Width, f.Height);
}

void clearRect(QImage& image, const QRect& r) {
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::memset(reinterpret_cast<uint32_t*>(image.scanLine(y)) + clipped.left(), 0,
                    size_t(clipped.width()) * 4);
}

void copyRows(const QImage& from, QPoint fromAt, QImage& to, QPoint toAt, QSize size) {
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(reinterpret_cast<uint32_t*>(to.scanLine(toAt.y() + y)) + toAt.x(),
                    reinterpret_cast<const uint32_t*>(from.constScanLine(fromAt.y() + y)) +
                        fromAt.x(),
                    size_t(size.width()) * 4);
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
    m_saved = QImage();
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
    return true;
}

void GifComposer::invalidate() {
    m_shown = 0;
    m_frameImageOf = 0;
}

void GifComposer::recolour(const GifStream& gif, int decodedFrames) {
    m_frameImageOf = 0;
    if (m_shown >= 1 && m_shown <= decodedFrames && hasCanvas())
        drawFrame(gif, m_shown, m_canvas, QPoint(gif.frame(m_shown).Left, gif.frame(m_shown).Top));
}

void GifComposer::disposeShown(const GifStream& gif) {
    if (m_shown < 1 || m_shown > gif.FrameCount())
        return;
    const GifFrame& fr = gif.frame(m_shown);
    if (fr.Disposal == 2) {
        clearRect(m_canvas, frameRect(fr));
    } else if (fr.Disposal == 3 && !m_saved.isNull()) {
        copyRows(m_saved, QPoint(0, 0), m_canvas, m_savedAt, m_saved.size());
    }
    m_saved = QImage();
}

QRect GifComposer::composeTo(const GifStream& gif, int f, int decodedFrames) {
    if (!hasCanvas() || f < 1 || f > gif.FrameCount() || f == m_shown)
        return QRect();
    QRect dirty;
    if (f != m_shown + 1) {
        // Only the next frame can be composed on what is there; anything else starts afresh.
        m_canvas.fill(0);
        m_saved = QImage();
        m_shown = 0;
        dirty = m_canvas.rect();
    }
    for (int k = m_shown + 1; k <= f; ++k) {
        if (m_shown >= 1) {
            dirty |= frameRect(gif.frame(m_shown)) & m_canvas.rect();
            disposeShown(gif);
        }
        const GifFrame& fr = gif.frame(k);
        const QRect area = frameRect(fr) & m_canvas.rect();
        if (fr.Disposal == 3 && !area.isEmpty()) {
            m_saved = m_canvas.copy(area);
            m_savedAt = area.topLeft();
        }
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
    m_frameImage = QImage();
    if (f < 1 || f > gif.FrameCount() || f > decodedFrames)
        return m_frameImage;
    const GifFrame& fr = gif.frame(f);
    if (fr.Width <= 0 || fr.Height <= 0)
        return m_frameImage;
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
    FrameColours c;
    fillColours(gif, fr, c);
    const bool hasCell = cellInStrip(gif, f);
    const int x0 = area.left() - at.x();
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uint32_t* out = reinterpret_cast<uint32_t*>(target.scanLine(y)) + area.left();
        // An undecodable frame shows index 0, as its zero-filled cell would.
        const uint8_t* in = hasCell ? gif.FrameStrip.cell(fr.StripX + x0, y - at.y()) : nullptr;
        if (!in) {
            for (int x = 0; x < width; ++x)
                out[x] = (out[x] & c.keep[0]) | c.colour[0];
        } else if (fr.Transparent) {
            for (int x = 0; x < width; ++x)
                out[x] = (out[x] & c.keep[in[x]]) | c.colour[in[x]];
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = c.colour[in[x]];
        }
    }
}

} // namespace anigif
