// ucAniGIF: scaling, sizing, mirroring and painting of the current frame.
#include "anigif/OleColor.h"
#include "anigif/ScaleRules.h"
#include "anigif/ucAniGIF.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace anigif;

namespace {

int scaled(float factor, int value) {
    return int(std::lround(double(factor) * value));
}

void mirrorCell(Strip& strip, const GifFrame& frame, bool horizontal, bool vertical) {
    uint8_t* first = strip.cell(frame.StripX);
    const ptrdiff_t stride = strip.stride();
    if (horizontal)
        for (int y = 0; y < frame.Height; ++y)
            std::reverse(first + y * stride, first + y * stride + frame.Width);
    if (vertical)
        for (int y = 0; y < frame.Height / 2; ++y)
            std::swap_ranges(first + y * stride, first + y * stride + frame.Width,
                             first + (frame.Height - 1 - y) * stride);
}

} // namespace

void ucAniGIF::ComputeScale() {
    if (!loaded())
        return;
    const ScaleResult r =
        computeScale(m_stretch, m_autoSize, size(), QSize(m_gif.CanvasWidth, m_gif.CanvasHeight));
    m_scaleX = r.scaleX;
    m_scaleY = r.scaleY;
}

void ucAniGIF::ResizeToPicture(int mode) {
    if (!loaded() || m_resizing)
        return;
    const QSize canvas(m_gif.CanvasWidth, m_gif.CanvasHeight);
    const ScaleResult r = computeScale(mode, m_autoSize, size(), canvas);
    m_scaleX = r.scaleX;
    m_scaleY = r.scaleY;
    if (r.wanted != size()) {
        m_resizing = true;
        resize(r.wanted);
        m_resizing = false;
        // The factors belong to the size the control really got, and to its own mode.
        if (size() != r.wanted || mode != m_stretch)
            ComputeScale();
    }
    update();
}

void ucAniGIF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizeToPicture(m_stretch);
}

void ucAniGIF::MirrorFrames(int target) {
    bool moved = false;
    for (int k = 1; k <= m_decoded && size_t(k) <= m_frameMirror.size(); ++k) {
        const int change = m_frameMirror[size_t(k - 1)] ^ target;
        if (change == 0)
            continue;
        GifFrame& frame = m_gif.frame(k);
        if (cellInStrip(m_gif, k))
            mirrorCell(m_gif.FrameStrip, frame, change & 1, change & 2);
        if (change & 1)
            frame.Left = m_gif.CanvasWidth - (frame.Left + frame.Width);
        if (change & 2)
            frame.Top = m_gif.CanvasHeight - (frame.Top + frame.Height);
        m_frameMirror[size_t(k - 1)] = uint8_t(target);
        moved = true;
    }
    if (moved) {
        m_composer.invalidate();
        m_shownFrame = 0;
    }
}

QRect ucAniGIF::toControl(const QRect& canvasArea) const {
    const QRectF area(m_offsetX + canvasArea.x() * double(m_scaleX),
                      m_offsetY + canvasArea.y() * double(m_scaleY),
                      canvasArea.width() * double(m_scaleX),
                      canvasArea.height() * double(m_scaleY));
    // Smoothing blends each canvas pixel into its neighbours' scaled cells too.
    const int mx = int(std::ceil(std::max(double(m_scaleX), 1.0))) + 1;
    const int my = int(std::ceil(std::max(double(m_scaleY), 1.0))) + 1;
    return area.toAlignedRect().adjusted(-mx, -my, mx, my);
}

QRect ucAniGIF::frameTarget(int f) const {
    const GifFrame& frame = m_gif.frame(f);
    return QRect(scaled(m_scaleX, m_offsetX + frame.Left), scaled(m_scaleY, m_offsetY + frame.Top),
                 scaled(m_scaleX, frame.Width), scaled(m_scaleY, frame.Height));
}

QRect ucAniGIF::canvasTarget() const {
    return QRect(m_offsetX, m_offsetY, scaled(m_scaleX, m_gif.CanvasWidth),
                 scaled(m_scaleY, m_gif.CanvasHeight));
}

void ucAniGIF::PaintFrame(QPainter& painter, const QRect& area, bool onClearedTarget) {
    const QRect clip = area & rect();
    const bool fill = m_backStyle == 1 || m_windowed;
    if (fill && !clip.isEmpty())
        painter.fillRect(clip, resolveOleColor(m_backColor));
    if (loaded() && !clip.isEmpty()) {
        const bool isScaled = m_scaleX != 1.0f || m_scaleY != 1.0f;
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, isScaled);
        // Over nothing, copying the picture gives what blending would, at a fraction of the cost.
        if (onClearedTarget && !fill)
            painter.setCompositionMode(QPainter::CompositionMode_Source);
        const int f = m_player.currentFrame();
        if (m_useCanvas) {
            m_composer.composeTo(m_gif, f, m_decoded);
            const QImage& canvas = m_composer.canvas();
            if (isScaled) {
                painter.setClipRect(clip, Qt::IntersectClip);
                painter.drawImage(canvasTarget(), canvas);
            } else {
                // Only the part in need of paint is copied: a tick paints the frame's area.
                const QPoint offset(m_offsetX, m_offsetY);
                const QRect source = clip.translated(-offset) & canvas.rect();
                if (!source.isEmpty())
                    painter.drawImage(source.topLeft() + offset, canvas, source);
            }
        } else {
            const QRect target = frameTarget(f);
            if (target.width() > 0 && target.height() > 0 && target.intersects(clip)) {
                const QImage& frameImage = m_composer.frameImage(m_gif, f, m_decoded);
                if (!frameImage.isNull()) {
                    painter.setClipRect(clip, Qt::IntersectClip);
                    painter.drawImage(target, frameImage);
                }
            }
        }
        painter.restore();
    }
    if (m_designTime) {
        painter.setPen(QPen(resolveOleColor(WindowFrameColor), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ucAniGIF::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintFrame(painter, event->rect());
}

QImage ucAniGIF::composedFrame() {
    if (!loaded())
        return QImage();
    const int f = m_player.currentFrame();
    if (m_useCanvas) {
        m_composer.composeTo(m_gif, f, m_decoded);
        return m_composer.canvas().copy();
    }
    QImage picture(std::max(m_gif.CanvasWidth, 1), std::max(m_gif.CanvasHeight, 1),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(0);
    const QImage& frameImage = m_composer.frameImage(m_gif, f, m_decoded);
    if (!frameImage.isNull()) {
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(m_gif.frame(f).Left, m_gif.frame(f).Top), frameImage);
    }
    return picture;
}

void ucAniGIF::renderFrame(QImage& target) {
    renderFrame(target, rect());
}

void ucAniGIF::renderFrame(QImage& target, const QRect& area) {
    QRect paintArea = area & rect();
    if (target.size() != size() || target.format() != QImage::Format_ARGB32_Premultiplied) {
        target = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        paintArea = rect(); // nothing of a new picture is painted yet
    }
    if (target.isNull() || paintArea.isEmpty())
        return;
    QPainter painter(&target);
    // A canvas copied over the whole area leaves nothing of the old picture to clear.
    const bool canvasCovers = loaded() && m_useCanvas && canvasTarget().contains(paintArea);
    if (m_backStyle != 1 && !m_windowed && !canvasCovers) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(paintArea, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    PaintFrame(painter, paintArea, true);
}

int ucAniGIF::renderAllFrames(QImage& target) {
    if (!loaded())
        return 0;
    m_player.stop();
    m_shownFrame = 0; // the control itself was not repainted
    const int n = m_gif.FrameCount();
    for (int f = 1; f <= n; ++f) {
        m_player.setCurrentFrame(f);
        renderFrame(target);
    }
    return n;
}
