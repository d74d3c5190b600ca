#include "slideshow/Fitting.h"

FitRect fitFullScreen(long, long, long, long) {
    return {};
}
FitRect fitNormal(long, long, long, long) {
    return {};
}
