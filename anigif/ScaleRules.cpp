#include "anigif/ScaleRules.h"

#include <algorithm>
#include <cmath>

namespace anigif {

namespace {
QSize scaledSize(float sx, float sy, QSize canvas) {
    return QSize(int(std::lround(double(sx) * canvas.width())),
                 int(std::lround(double(sy) * canvas.height())));
}
} // namespace

ScaleResult computeScale(int mode, bool autoSize, QSize inner, QSize canvas) {
    ScaleResult r;
    r.wanted = inner;
    if (canvas.width() <= 0 || canvas.height() <= 0)
        return r;
    const float fillX = float(inner.width()) / float(canvas.width());
    const float fillY = float(inner.height()) / float(canvas.height());
    switch (mode) {
    case ActualSizeClipped:
        return r;
    case ActualSize:
        r.wanted = canvas;
        return r;
    case Fill:
        r.scaleX = fillX;
        r.scaleY = fillY;
        break;
    case ShrinkOnly:
        if (fillX > 1.0f && fillY > 1.0f)
            break;
        [[fallthrough]];
    default: // proportional fit
        r.scaleX = r.scaleY = std::min(fillX, fillY);
        break;
    }
    if (autoSize)
        r.wanted = scaledSize(r.scaleX, r.scaleY, canvas);
    return r;
}

} // namespace anigif
