#pragma once
// Where a picture goes on the screen, in HIMETRIC.

struct FitRect {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
};

// Full screen: the area is SW x SH (the screen less the bar), the picture w x h.
FitRect fitFullScreen(long SW, long SH, long w, long h);
// Normal: centred at natural size in a window of W x H.
FitRect fitNormal(long W, long H, long w, long h);
