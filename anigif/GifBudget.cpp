// The memory bound of one loaded GIF: strip, canvas and mask together.
#include "anigif/GifStream.h"

#include <algorithm>

namespace anigif {

int64_t CanvasAndMaskBytes(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0)
        return 0;
    const int64_t maskRow = ((width + 31) / 32) * 4;
    return width * height * 4 + maskRow * height;
}

int64_t StripBytes(const GifStream& gif, bool allFrames) {
    if (gif.Frames.empty())
        return 0;
    const std::size_t held = allFrames ? gif.Frames.size() : 1;
    int64_t width = 0;
    int64_t height = 0;
    for (std::size_t i = 0; i < held; ++i) {
        width += gif.Frames[i].Width;
        height = std::max<int64_t>(height, gif.Frames[i].Height);
    }
    return width * height;
}

bool CanvasWithinBudget(int64_t width, int64_t height, int64_t stripBytes) {
    return stripBytes >= 0 &&
           stripBytes + CanvasAndMaskBytes(width, height) <= kMaxGifAllocationBytes;
}

bool WithinAllocationBudget(const GifStream& gif, bool allFrames, bool withCanvas) {
    const int64_t strip = StripBytes(gif, allFrames);
    if (!withCanvas)
        return strip <= kMaxGifAllocationBytes;
    return CanvasWithinBudget(gif.CanvasWidth, gif.CanvasHeight, strip);
}

} // namespace anigif
