// Decoding speed of our GIF decoder against giflib's DGifSlurp, one animation tick, and the
// memory a loaded loop holds. Inputs are made with giflib's own encoder at start.
#include "anigif/GifStream.h"
#include "anigif/PixelRows.h"
#include "anigif/ucAniGIF.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

// ---- Inputs -------------------------------------------------------------------------------

struct EncodedGif {
    QByteArray bytes;
    int frames = 0;
    int64_t canvasPixels = 0; // canvas width x height
    int64_t framePixels = 0;  // sum of the frames' own areas
};

// Smooth lattice noise in [0, 1): weather-like fields without any external data.
double latticeValue(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFF) / 65536.0;
}

double smoothNoise(double x, double y, int seed) {
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double field(double x, double y, int seed) {
    return 0.55 * smoothNoise(x / 97.0, y / 97.0, seed) +
           0.3 * smoothNoise(x / 31.0, y / 31.0, seed + 1) +
           0.15 * smoothNoise(x / 9.0, y / 9.0, seed + 2);
}

class GiflibWriter {
public:
    GiflibWriter(int width, int height, const std::vector<GifColorType>& global) {
        int error = 0;
        m_file = EGifOpen(&m_out, &GiflibWriter::write, &error);
        EGifSetGifVersion(m_file, true);
        ColorMapObject* map =
            global.empty() ? nullptr : GifMakeMapObject(int(global.size()), global.data());
        EGifPutScreenDesc(m_file, width, height, 8, 0, map);
        GifFreeMapObject(map);
    }
    void loop() {
        const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType count[] = {1, 0, 0};
        EGifPutExtensionLeader(m_file, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(m_file, sizeof netscape, netscape);
        EGifPutExtensionBlock(m_file, sizeof count, count);
        EGifPutExtensionTrailer(m_file);
    }
    void frame(int left, int top, int width, int height, const std::vector<uint8_t>& pixels,
               int disposal, int transparentIndex, const std::vector<GifColorType>& local = {}) {
        GraphicsControlBlock gcb{disposal, false, 8, transparentIndex};
        GifByteType extension[4];
        EGifGCBToExtension(&gcb, extension);
        EGifPutExtension(m_file, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        ColorMapObject* map =
            local.empty() ? nullptr : GifMakeMapObject(int(local.size()), local.data());
        EGifPutImageDesc(m_file, left, top, width, height, false, map);
        GifFreeMapObject(map);
        std::vector<GifPixelType> line(pixels.begin(), pixels.end());
        for (int y = 0; y < height; ++y)
            EGifPutLine(m_file, line.data() + std::size_t(y) * std::size_t(width), width);
    }
    QByteArray finish() {
        int error = 0;
        EGifCloseFile(m_file, &error);
        return m_out;
    }

private:
    static int write(GifFileType* file, const GifByteType* data, int n) {
        static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), n);
        return n;
    }
    QByteArray m_out;
    GifFileType* m_file = nullptr;
};

std::vector<GifColorType> rampPalette(int count, int hueShift) {
    std::vector<GifColorType> colours(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        colours[std::size_t(i)] = {GifByteType(i * 255 / (count - 1)),
                                   GifByteType((i * 3 + hueShift) & 0xFF),
                                   GifByteType(255 - i * 255 / (count - 1))};
    return colours;
}

// 100 frames of 800 x 600: a map, then rain echoes over part of it, the rest see-through.
EncodedGif radarLoop() {
    const int width = 800, height = 600, frames = 100;
    GiflibWriter writer(width, height, rampPalette(256, 40));
    writer.loop();
    std::vector<uint8_t> map(std::size_t(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double h = field(x, y, 7);
            uint8_t index = h < 0.45 ? 20 : h < 0.5 ? 60 : 100 + uint8_t(h * 40);
            if (x % 100 == 0 || y % 100 == 0 || std::fabs(h - 0.45) < 0.004)
                index = 250; // grid and coastline
            map[std::size_t(y * width + x)] = index;
        }
    writer.frame(0, 0, width, height, map, 1, -1);
    EncodedGif gif;
    gif.framePixels = int64_t(width) * height;
    const int echoW = 560, echoH = 420;
    for (int f = 1; f < frames; ++f) {
        const int left = 40 + (f * 3) % 180, top = 30 + (f * 2) % 140;
        std::vector<uint8_t> echo(std::size_t(echoW * echoH));
        for (int y = 0; y < echoH; ++y)
            for (int x = 0; x < echoW; ++x) {
                const double rain = field(x + left - f * 4.0, y + top + f * 1.5, 11);
                echo[std::size_t(y * echoW + x)] =
                    rain > 0.58 ? uint8_t(200 + int((rain - 0.58) * 120)) : 0;
            }
        writer.frame(left, top, echoW, echoH, echo, 1, 0);
        gif.framePixels += int64_t(echoW) * echoH;
    }
    gif.bytes = writer.finish();
    gif.frames = frames;
    gif.canvasPixels = int64_t(width) * height;
    return gif;
}

// 30 full frames of 1920 x 1080, each with its own 256-colour table: a satellite cloud field.
EncodedGif satelliteLoop() {
    const int width = 1920, height = 1080, frames = 30;
    GiflibWriter writer(width, height, {});
    writer.loop();
    std::vector<uint8_t> pixels(std::size_t(width * height));
    for (int f = 0; f < frames; ++f) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[std::size_t(y * width + x)] =
                    uint8_t(std::min(255.0, field(x + f * 6.0, y, 3) * 300));
        writer.frame(0, 0, width, height, pixels, 1, -1, rampPalette(256, f));
    }
    EncodedGif gif;
    gif.bytes = writer.finish();
    gif.frames = frames;
    gif.canvasPixels = int64_t(width) * height;
    gif.framePixels = gif.canvasPixels * frames;
    return gif;
}

// One 4000 x 3000 frame: a relief map in 64 colours with contour lines.
EncodedGif bigMap() {
    const int width = 4000, height = 3000;
    GiflibWriter writer(width, height, rampPalette(64, 90));
    std::vector<uint8_t> pixels(std::size_t(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double h = field(x, y, 5) * 63;
            pixels[std::size_t(y * width + x)] =
                std::fabs(h - std::round(h / 8) * 8) < 0.05 ? 63 : uint8_t(h);
        }
    writer.frame(0, 0, width, height, pixels, 0, -1);
    EncodedGif gif;
    gif.bytes = writer.finish();
    gif.frames = 1;
    gif.canvasPixels = int64_t(width) * height;
    gif.framePixels = gif.canvasPixels;
    return gif;
}

// ---- Decoders -----------------------------------------------------------------------------

int giflibDecodeAll(const QByteArray& bytes) {
    struct Source {
        const QByteArray* bytes;
        int pos;
    } source{&bytes, 0};
    auto read = [](GifFileType* file, GifByteType* out, int n) -> int {
        auto* s = static_cast<Source*>(file->UserData);
        const int count = std::min<int>(n, int(s->bytes->size()) - s->pos);
        std::memcpy(out, s->bytes->constData() + s->pos, std::size_t(count));
        s->pos += count;
        return count;
    };
    int error = 0;
    GifFileType* file = DGifOpen(&source, read, &error);
    const int frames = DGifSlurp(file) == GIF_OK ? file->ImageCount : 0;
    DGifCloseFile(file, &error);
    return frames;
}

int oursDecodeAll(const QByteArray& bytes) {
    anigif::GifStream gif;
    gif.Buffer = bytes;
    return anigif::LoadAndDecodeAll(gif);
}

void setCounters(benchmark::State& state, const EncodedGif& gif) {
    // The time of one frame's decoding, to set a tick against.
    state.counters["us_per_frame"] =
        benchmark::Counter(gif.frames * 1e-6, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
    state.SetItemsProcessed(int64_t(state.iterations()) * gif.frames * gif.canvasPixels);
    state.SetBytesProcessed(int64_t(state.iterations()) * gif.bytes.size());
    state.counters["frame_pixels/s"] =
        benchmark::Counter(double(gif.framePixels), benchmark::Counter::kIsIterationInvariantRate);
}

void decodeBenchmark(benchmark::State& state, const EncodedGif* gif,
                     int (*decodeAll)(const QByteArray&)) {
    for (auto _ : state) {
        const int frames = decodeAll(gif->bytes);
        if (frames != gif->frames) {
            state.SkipWithError("decoder lost frames");
            return;
        }
        benchmark::DoNotOptimize(frames);
    }
    setCounters(state, *gif);
}

const char* rowKernelName(anigif::RowKernel kernel) {
    switch (kernel) {
    case anigif::RowKernel::Avx512Vbmi:
        return "row kernel avx512vbmi";
    case anigif::RowKernel::Avx2:
        return "row kernel avx2";
    case anigif::RowKernel::Portable:
        break;
    }
    return "row kernel portable";
}

// One tick of the running loop as the widget lives it: the next frame composed on the canvas,
// then only the area it asked to repaint painted into a persistent picture, as a backing store
// receives it. Without paint, the composition's share of it; fitted, the loop filling a
// 1920 x 1080 screen as the slideshow shows it, scaled with smoothing.
enum class TickKind { ComposeOnly, ActualSize, FittedFullHd };

void tickBenchmark(benchmark::State& state, const EncodedGif* gif, TickKind kind) {
    const bool paint = kind != TickKind::ComposeOnly;
    ucAniGIF control(nullptr, false);
    control.setDelayAnimation(2);
    if (kind == TickKind::FittedFullHd) {
        control.resize(1920, 1080);
        control.setStretch(1);
    } else {
        control.setStretch(4);
    }
    if (!control.LoadAnimatedGIF_Array(gif->bytes)) {
        state.SkipWithError("load failed");
        return;
    }
    control.deferredDecodingTick();
    QImage target;
    control.renderFrame(target);
    int64_t paintedPixels = 0;
    for (auto _ : state) {
        control.animationTick();
        if (!paint)
            continue;
        const QRect area = control.changedArea();
        control.renderFrame(target, area);
        paintedPixels += int64_t(area.width()) * area.height();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(rowKernelName(anigif::fastestRowKernel()));
    const anigif::GifStream& model = control.gifStream();
    state.counters["painted_pixels_per_tick"] =
        double(paintedPixels) / double(std::max<int64_t>(1, int64_t(state.iterations())));
    state.counters["strip_bytes"] = double(model.FrameStrip.byteCount());
    state.counters["canvas_mask_bytes"] =
        double(anigif::CanvasAndMaskBytes(model.CanvasWidth, model.CanvasHeight));
    state.counters["loaded_bytes"] =
        double(model.FrameStrip.byteCount()) +
        double(anigif::CanvasAndMaskBytes(model.CanvasWidth, model.CanvasHeight));
    state.SetItemsProcessed(int64_t(state.iterations()));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    static const EncodedGif radar = radarLoop();
    static const EncodedGif satellite = satelliteLoop();
    static const EncodedGif map = bigMap();
    const std::pair<const char*, const EncodedGif*> inputs[] = {
        {"radar_100x800x600", &radar},
        {"satellite_30x1920x1080", &satellite},
        {"map_4000x3000", &map}};
    for (const auto& [name, gif] : inputs) {
        benchmark::RegisterBenchmark((std::string("Decode/ours/") + name).c_str(), decodeBenchmark,
                                     gif, &oursDecodeAll)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Decode/giflib/") + name).c_str(),
                                     decodeBenchmark, gif, &giflibDecodeAll)
            ->Unit(benchmark::kMillisecond);
    }
    const std::pair<const char*, TickKind> ticks[] = {
        {"Tick/radar_100x800x600", TickKind::ActualSize},
        {"Tick/compose_only/radar_100x800x600", TickKind::ComposeOnly},
        {"Tick/fitted_1920x1080/radar_100x800x600", TickKind::FittedFullHd}};
    for (const auto& [name, kind] : ticks)
        // Qt spreads smooth scaling over threads: the time that counts is the wall clock's.
        benchmark::RegisterBenchmark(name, tickBenchmark, &radar, kind)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
