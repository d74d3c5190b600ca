// Showing a picture full screen (decode at the size shown, then resample) against a bare
// full-size decode of the same file, and the resident memory of a store of 100 large JPEGs.
#include "base/Fitting.h"
#include "platform/Screen.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

QTemporaryDir* gDir = nullptr;
QString gJpeg;
QString gPng;

// A photo-like picture: smooth gradients with fine noise, so it compresses like a photograph.
QImage photoLike(QSize size, quint32 seed) {
    QImage image(size, QImage::Format_RGB32);
    quint32 s = seed * 2654435761u + 1;
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            const int n = int(s >> 28) - 8;
            const int r = (x * 255 / size.width() + int(seed * 37)) % 256;
            const int g = y * 255 / size.height();
            const int b = ((x + y) * 255 / (size.width() + size.height()) + int(seed * 11)) % 256;
            line[x] = qRgb(qBound(0, r + n, 255), qBound(0, g + n, 255), qBound(0, b + n, 255));
        }
    }
    return image;
}

QString writeFile(const QString& name, const QImage& image, const char* format) {
    const QString path = gDir->filePath(name);
    image.save(path, format, format == QByteArray("JPG") ? 85 : -1);
    return path;
}

// The size ShowPicture gives a picture on a 1920 x 1080 screen with the 480-twip bar.
QSize fullScreenSize(QSize natural) {
    using platform::Units;
    const Units u(96);
    const FitRect hm =
        fitFullScreen(Units::twipsToHimetric(28800), Units::twipsToHimetric(16200 - 480),
                      u.pixelsToHimetric(natural.width()), u.pixelsToHimetric(natural.height()));
    return QSize(u.twipsToPixels(Units::himetricToTwips(hm.width)),
                 u.twipsToPixels(Units::himetricToTwips(hm.height)));
}

void bareDecode(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image.bits());
    }
}

void showFullScreen(benchmark::State& state, const QString& path) {
    const Picture picture = pictures::pictureFromFile(path);
    const QSize size = fullScreenSize(picture.naturalSize);
    for (auto _ : state) {
        PictureView view;
        view.setStretch(true);
        view.resize(size);
        view.setPicture(picture);
        const QImage shown = view.displayImage();
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}

void BM_BareDecodeJpeg4000x3000(benchmark::State& state) {
    bareDecode(state, gJpeg);
}
void BM_ShowJpeg4000x3000FullScreen(benchmark::State& state) {
    showFullScreen(state, gJpeg);
}
void BM_BareDecodePng1920x1080(benchmark::State& state) {
    bareDecode(state, gPng);
}
void BM_ShowPng1920x1080FullScreen(benchmark::State& state) {
    showFullScreen(state, gPng);
}

long residentKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// 100 different files (ten distinct pictures, each written ten times) loaded the way the
// loader fills the store: one validating decode, the thumbnail from it, the bytes kept.
void BM_StoreOf100Jpeg4000x3000(benchmark::State& state) {
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        const QImage image = photoLike(QSize(4000, 3000), quint32(i + 1));
        for (int copy = 0; copy < 10; ++copy)
            files << writeFile(QStringLiteral("store_%1_%2.jpg").arg(i).arg(copy), image, "JPG");
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        std::vector<Picture> store(100);
        PictureView thumbnail;
        thumbnail.setStretch(true);
        thumbnail.resize(347, 260);
        bytes = 0;
        for (int i = 0; i < 100; ++i) {
            QImage decoded;
            store[size_t(i)] = pictures::pictureFromFile(files[i], &decoded);
            thumbnail.setPicture(store[size_t(i)], decoded);
            bytes += store[size_t(i)].encoded.size();
        }
        PictureView screen;
        screen.setStretch(true);
        screen.resize(fullScreenSize(QSize(4000, 3000)));
        screen.setPicture(store[0]);
        screen.prepare(store[1], screen.size());
        benchmark::DoNotOptimize(screen.displayImage().constBits());
        state.counters["rss_MB"] = double(residentKb("VmRSS:")) / 1024.0;
        state.counters["peak_rss_MB"] = double(residentKb("VmHWM:")) / 1024.0;
        state.counters["store_MB"] = double(bytes) / (1024.0 * 1024.0);
    }
}

} // namespace

BENCHMARK(BM_BareDecodeJpeg4000x3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowJpeg4000x3000FullScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDecodePng1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPng1920x1080FullScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreOf100Jpeg4000x3000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    gDir = &dir;
    gJpeg = writeFile(QStringLiteral("photo.jpg"), photoLike(QSize(4000, 3000), 99), "JPG");
    gPng = writeFile(QStringLiteral("screen.png"), photoLike(QSize(1920, 1080), 7), "PNG");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
