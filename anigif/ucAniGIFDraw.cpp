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
    if (moved)
        m_composer.invalidate();
}

QRect ucAniGIF::toControl(const QRect& canvasArea) const {
    const QRectF area(m_offsetX + canvasArea.x() * double(m_scaleX),
                      m_offsetY + canvasArea.y() * double(m_scaleY),
                      canvasArea.width() * double(m_scaleX),
                      canvasArea.height() * double(m_scaleY));
    // Smoothing reaches a pixel beyond the scaled edge.
    return area.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void ucAniGIF::PaintFrame(QPainter& painter, bool onClearedTarget) {
    const bool fill = m_backStyle == 1 || m_windowed;
    if (fill)
        painter.fillRect(rect(), resolveOleColor(m_backColor));
    if (loaded()) {
        const bool isScaled = m_scaleX != 1.0f || m_scaleY != 1.0f;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, isScaled);
        // Over nothing, copying the picture gives what blending would, at a fraction of the cost.
        if (onClearedTarget && !fill)
            painter.setCompositionMode(QPainter::CompositionMode_Source);
        const int f = m_player.currentFrame();
        if (m_useCanvas) {
            m_composer.composeTo(m_gif, f, m_decoded);
            const QImage& canvas = m_composer.canvas();
            if (isScaled)
                painter.drawImage(QRect(m_offsetX, m_offsetY, scaled(m_scaleX, canvas.width()),
                                        scaled(m_scaleY, canvas.height())),
                                  canvas);
            else
                painter.drawImage(QPoint(m_offsetX, m_offsetY), canvas);
        } else {
            const QImage& frameImage = m_composer.frameImage(m_gif, f, m_decoded);
            if (!frameImage.isNull()) {
                const GifFrame& frame = m_gif.frame(f);
                const QRect target(scaled(m_scaleX, m_offsetX + frame.Left),
                                   scaled(m_scaleY, m_offsetY + frame.Top),
                                   scaled(m_scaleX, frame.Width), scaled(m_scaleY, frame.Height));
                if (target.width() > 0 && target.height() > 0)
                    painter.drawImage(target, frameImage);
            }
        }
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_designTime) {
        painter.setPen(QPen(resolveOleColor(WindowFrameColor), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ucAniGIF::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFrame(painter);
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
    if (target.size() != size() || target.format() != QImage::Format_ARGB32_Premultiplied)
        target = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    if (target.isNull())
        return;
    // A canvas copied over the whole picture leaves nothing of the old one to clear.
    const bool canvasCoversAll =
        m_useCanvas && QRect(m_offsetX, m_offsetY, scaled(m_scaleX, m_gif.CanvasWidth),
                             scaled(m_scaleY, m_gif.CanvasHeight))
                           .contains(target.rect());
    if (m_backStyle != 1 && !m_windowed && !canvasCoversAll)
        target.fill(0);
    QPainter painter(&target);
    PaintFrame(painter, true);
}

int ucAniGIF::renderAllFrames(QImage& target) {
    if (!loaded())
        return 0;
    m_player.stop();
    const int n = m_gif.FrameCount();
    for (int f = 1; f <= n; ++f) {
        m_player.setCurrentFrame(f);
        renderFrame(target);
    }
    return n;
}
