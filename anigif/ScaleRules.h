// Scale factors and wanted control size of the five stretch modes.
#pragma once

#include <QSize>

namespace anigif {

enum StretchMode {
    ActualSizeClipped = 0,
    ProportionalFit = 1,
    Fill = 2,
    ShrinkOnly = 3,
    ActualSize = 4
};
constexpr int AutoSizeFlag = 8;

struct ScaleResult {
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    QSize wanted; // the control's wanted inner size in pixels
};

ScaleResult computeScale(int mode, bool autoSize, QSize inner, QSize canvas);

} // namespace anigif
