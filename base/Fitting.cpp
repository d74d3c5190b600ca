#include "base/Fitting.h"

#include <cmath>
#include <limits>

long roundToLong(double value) {
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    if (std::isnan(value))
        return 0;
    // nearbyint follows the rounding mode; the default mode rounds half to even.
    const double r = std::nearbyint(value);
    return static_cast<long>(r < lo ? lo : (r > hi ? hi : r));
}

namespace {

struct Size {
    long nw;
    long nh;
};

// The target size before the correction step.
Size targetSize(double SW, double SH, double w, double h) {
    if (h > SH && w > SW) {
        if (h < w)
            return {roundToLong(SW), roundToLong(SH / (w / h))};
        return {roundToLong(SW / (h / w)), roundToLong(SH)};
    }
    if (SW < w)
        return {roundToLong(SW), roundToLong(SH / (w / h))};
    if (SH < h)
        return {roundToLong(SW / (h / w)), roundToLong(SH)};
    if (SW - w < SH - h)
        return {roundToLong(SW), roundToLong(h * (SW / w))};
    return {roundToLong(w * (SH / h)), roundToLong(SH)};
}

// Trims the other side by a small percentage when the target still overshoots the area.
Size corrected(Size s, long SW, long SH) {
    if (s.nw > SW) {
        const double r = double(s.nw) / SW;
        return {SW, roundToLong(s.nh - s.nh * r / 100.0)};
    }
    if (s.nh > SH) {
        const double r = double(s.nh) / SH;
        return {roundToLong(s.nw - s.nw * r / 100.0), SH};
    }
    return s;
}

} // namespace

FitRect fitFullScreen(long SW, long SH, long w, long h) {
    FitRect f;
    if (SW <= 0 || SH <= 0 || w <= 0 || h <= 0)
        return f;
    const Size s = corrected(targetSize(SW, SH, w, h), SW, SH);
    f.width = s.nw;
    f.height = s.nh;
    if (s.nw == SW) {
        f.left = 0;
        f.top = roundToLong(SH / 2.0 - s.nh / 2.0);
    } else {
        f.left = roundToLong(SW / 2.0 - s.nw / 2.0);
        f.top = 0;
    }
    return f;
}

FitRect fitNormal(long W, long H, long w, long h) {
    FitRect f;
    f.left = roundToLong(double(roundToLong(W / 2.0)) - double(roundToLong(w / 2.0)));
    f.top = roundToLong(double(roundToLong(H / 2.0)) - double(roundToLong(h / 2.0)));
    f.width = w;
    f.height = h;
    return f;
}
