// Fuzz target: any bytes through LoadAnimatedGIF_Array, every frame painted, the current frame
// exported as a GIF and read back; checks the model's invariants on the way.
#include "anigif/GifStream.h"
#include "anigif/ucAniGIF.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int64_t kControlBudget = int64_t(128) << 20; // strip and canvas bytes
constexpr int64_t kPaintBudget = 4 << 20;              // canvas pixels painted per input

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkModel(const anigif::GifStream& gif, int decoded) {
    const anigif::Strip& strip = gif.FrameStrip;
    check(!strip.isNull(), "a loaded GIF has a strip");
    check(gif.ColorTables.size() == std::size_t(gif.LocalTableCount) + 1,
          "one table per local table");
    int64_t x = 0;
    for (int k = 1; k <= decoded; ++k) {
        const anigif::GifFrame& f = gif.frame(k);
        check(f.Width >= 0 && f.Height >= 0 && f.Disposal <= 3, "frame fields in range");
        check(f.Left + f.Width <= gif.CanvasWidth && f.Top + f.Height <= gif.CanvasHeight,
              "frame inside the canvas");
        check(f.ColorTable >= 0 && f.ColorTable <= gif.LocalTableCount, "table index valid");
        check(f.StripX == x && x + f.Width <= strip.width() && f.Height <= strip.height(),
              "cell inside the strip, frames side by side");
        x += f.Width;
    }
    check(int64_t(strip.width()) * strip.height() <= anigif::kMaxGifAllocationBytes,
          "strip within budget");
}

// The exported frame must decode to the indices of the current frame's cell.
void checkExport(const ucAniGIF& control) {
    const anigif::GifStream& gif = control.gifStream();
    const anigif::GifPicture picture = control.AnimatedGIF();
    const int k = control.CurrentFrame();
    const anigif::GifFrame& f = gif.frame(k);
    if (f.Width == 0 || f.Height == 0) {
        check(picture.isNull(), "no picture of an empty frame");
        return;
    }
    check(!picture.isNull(), "the current frame can be exported");
    anigif::GifStream back;
    back.Buffer = picture.gif;
    check(anigif::LoadAndDecodeAll(back) == 1, "the exported GIF has one frame");
    for (int y = 0; y < f.Height; ++y)
        check(std::memcmp(back.FrameStrip.cell(0, y), gif.FrameStrip.cell(f.StripX, y),
                          std::size_t(f.Width)) == 0,
              "exported indices equal the strip's");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Pictures of hundreds of megabytes are allowed, but filling them under the sanitizers
    // takes longer than the fuzzer waits: those only go through the model's own decoding.
    anigif::GifStream model;
    model.Buffer = bytes;
    if (anigif::ParseGif(model) > 0 &&
        anigif::StripBytes(model, true) +
                anigif::CanvasAndMaskBytes(model.CanvasWidth, model.CanvasHeight) >
            kControlBudget) {
        const int decoded = anigif::LoadAndDecodeAll(model);
        if (decoded > 0)
            checkModel(model, decoded);
        return 0;
    }
    ucAniGIF control(nullptr, false);
    control.resize(160, 120);
    control.setDelayAnimation(2); // decode frame 1, let the rest wait for the tick below
    if (!control.LoadAnimatedGIF_Array(bytes))
        return 0;
    control.deferredDecodingTick();
    checkModel(control.gifStream(), control.decodedFrames());
    // Paint frame after frame as the ticks would, up to a bound of canvas pixels per input:
    // playback paints one frame per tick, so a long run over a huge canvas only measures
    // the machine, not the code.
    const anigif::GifStream& gif = control.gifStream();
    const int64_t canvas = std::max<int64_t>(1, int64_t(gif.CanvasWidth) * gif.CanvasHeight);
    if (canvas > kPaintBudget)
        return 0; // decoded and checked; painting it would only take long
    const int64_t frames =
        std::min<int64_t>(control.FrameCount(), std::max<int64_t>(2, kPaintBudget / canvas));
    QImage target;
    control.renderFrame(target);
    for (int64_t i = 1; i < frames; ++i) {
        control.setAction(3); // step
        check(control.CurrentFrame() == int(i + 1), "step shows the next frame");
        control.renderFrame(target);
    }
    checkExport(control);
    control.setMirrored(3);
    control.renderFrame(target);
    return 0;
}
