#pragma once
// Where a picture goes on the screen, in HIMETRIC.
//
// The rules were designed for 32-bit integers with double-precision ratios; here every step is
// computed in 64 bits or in double, so no size can overflow, and each assignment of a double to
// an integer rounds half to even, as those 32-bit assignments did. Results outside 32 bits are
// clamped to its limits.

#include <QtGlobal>

struct FitRect {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
};

// Rounds half to even into 32 bits, clamping at the ends.
long roundToLong(double value);

// Full screen: the area is SW x SH (the screen less the bar), the picture w x h.
FitRect fitFullScreen(long SW, long SH, long w, long h);
// Normal: centred at natural size in a window of W x H.
FitRect fitNormal(long W, long H, long w, long h);
