// Composition of a loaded GIF's frames from the 8-bit strip into 32-bit pictures: the canvas
// that accumulates frames by their disposal methods, and single frames drawn on their own.
#pragma once

#include "anigif/GifStream.h"
#include "anigif/PixelRows.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace anigif {

class GifComposer {
public:
    // Drops the canvas and everything composed.
    void reset();
    // A transparent ARGB canvas of the GIF's size, within the allocation budget next to the
    // strip. False when it cannot be had.
    bool createCanvas(const GifStream& gif);
    bool hasCanvas() const { return !m_canvas.isNull(); }

    // Frames moved or changed their pixels: the next composition starts again from frame 1.
    void invalidate();
    // Colours changed: the frame on the canvas is drawn again with its new colours over what
    // it covers, as a repaint of that frame would.
    void recolour(const GifStream& gif, int decodedFrames);

    // Brings the canvas to frame f (frames 1..f composed, f not yet disposed) and returns the
    // canvas area that changed: the frame's rectangle, plus the previous frame's when it was
    // disposed, or the whole canvas when composition started afresh. Frames above
    // decodedFrames are not drawn.
    QRect composeTo(const GifStream& gif, int f, int decodedFrames);
    const QImage& canvas() const { return m_canvas; }
    int composedFrame() const { return m_shown; }

    // Frame f alone at its own size, its transparent pixels see-through.
    const QImage& frameImage(const GifStream& gif, int f, int decodedFrames);

private:
    // Every table prepared once per load or palette change, so that a tick only looks colours up.
    void prepareColours(const GifStream& gif);
    // Undoes the shown frame's disposal; returns the canvas area that changed.
    QRect disposeShown(const GifStream& gif);
    void saveArea(const QRect& area);
    // Frame f paints every canvas pixel opaque.
    bool coversCanvas(const GifStream& gif, int f) const;
    void drawFrame(const GifStream& gif, int f, QImage& target, QPoint at);

    QImage m_canvas;
    int m_shown = 0;
    std::vector<PreparedColours> m_colours; // one per colour table
    RowKernel m_kernel = fastestRowKernel();
    // The canvas under a frame with disposal 3; kept between ticks so that saving allocates
    // only when a larger frame comes.
    std::vector<uint32_t> m_saved;
    QRect m_savedArea;
    QImage m_frameImage;
    int m_frameImageOf = 0;
};

// The frame's cell lies inside the strip (its pixels were decoded or zero-filled).
bool cellInStrip(const GifStream& gif, int f);

} // namespace anigif
