// Helpers of the ucAniGIF tests (giflib writer and reference compositor, corpus, comparison).
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QDir>
#include <QFile>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace uctest {

namespace {

int writeToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct ReadSource {
    const QByteArray* bytes;
    int position;
};

int readFromArray(GifFileType* gif, GifByteType* data, int length) {
    auto* source = static_cast<ReadSource*>(gif->UserData);
    const int available = std::max(0, int(source->bytes->size()) - source->position);
    const int n = std::min(length, available);
    memcpy(data, source->bytes->constData() + source->position, size_t(n));
    source->position += n;
    return n;
}

ColorMapObject* colourMap(const std::vector<QRgb>& table) {
    int size = 2;
    while (size < int(table.size()))
        size *= 2;
    std::vector<GifColorType> colours(size_t(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < table.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                  GifByteType(qBlue(table[i]))};
    return GifMakeMapObject(size, colours.data());
}

std::vector<int> interlacedRowOrder(int height) {
    std::vector<int> rows;
    const int start[] = {0, 4, 2, 1};
    const int step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            rows.push_back(y);
    return rows;
}

uint32_t colourOf(const ColorMapObject* map, int index) {
    if (!map || index >= map->ColorCount)
        return 0xFF000000u;
    const GifColorType c = map->Colors[index];
    return 0xFF000000u | (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
}

} // namespace

std::vector<QRgb> rampTable(int count, int seed) {
    std::vector<QRgb> table;
    for (int i = 0; i < count; ++i)
        table.push_back(qRgb((i * 37 + seed * 11) & 255, (i * 91 + seed * 53) & 255,
                             (i * 13 + seed * 29 + 7) & 255));
    return table;
}

TestFrame patternFrame(QRect rect, int seed, int colours) {
    TestFrame frame;
    frame.rect = rect;
    frame.pixels.resize(size_t(rect.width()) * size_t(rect.height()));
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            frame.pixels[size_t(y * rect.width() + x)] =
                uint8_t(((x / 3) * 7 + (y / 2) * 5 + seed * 3 + (x ^ y)) % colours);
    return frame;
}

QByteArray makeGif(QSize screen, const std::vector<QRgb>& globalTable,
                   const std::vector<TestFrame>& frames, int loopCount) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToArray, &error);
    EXPECT_NE(gif, nullptr);
    if (!gif)
        return out;
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = globalTable.empty() ? nullptr : colourMap(globalTable);
    EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, global);
    if (loopCount >= 0) {
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
        const GifByteType loop[3] = {1, GifByteType(loopCount & 255), GifByteType(loopCount >> 8)};
        EGifPutExtensionBlock(gif, 3, loop);
        EGifPutExtensionTrailer(gif);
    }
    for (const TestFrame& f : frames) {
        if (f.withControlBlock) {
            GraphicsControlBlock gcb{f.disposal, false, f.delayCs, f.transparentIndex};
            GifByteType extension[4];
            EGifGCBToExtension(&gcb, extension);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        }
        ColorMapObject* local = f.localTable.empty() ? nullptr : colourMap(f.localTable);
        EGifPutImageDesc(gif, f.rect.x(), f.rect.y(), f.rect.width(), f.rect.height(), f.interlaced,
                         local);
        GifFreeMapObject(local);
        std::vector<int> rows;
        if (f.interlaced) {
            rows = interlacedRowOrder(f.rect.height());
        } else {
            for (int y = 0; y < f.rect.height(); ++y)
                rows.push_back(y);
        }
        for (int y : rows)
            EGifPutLine(gif, const_cast<GifPixelType*>(f.pixels.data()) + y * f.rect.width(),
                        f.rect.width());
        // giflib keeps a copy of the local table that the next frame's table would leak.
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    GifFreeMapObject(global);
    EGifCloseFile(gif, &error);
    return out;
}

Reference giflibCompose(const QByteArray& bytes) {
    Reference ref;
    ReadSource source{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFromArray, &error);
    if (!gif)
        return ref;
    // A cut-off file still leaves the frames read so far (the last one possibly partial).
    DGifSlurp(gif);
    struct Info {
        GifImageDesc desc;
        int disposal = 0;
        int transparent = -1;
    };
    std::vector<Info> frames;
    int width = 0;
    int height = 0;
    for (int k = 0; k < gif->ImageCount; ++k) {
        const SavedImage& image = gif->SavedImages[k];
        if (!image.RasterBits)
            break;
        Info info;
        info.desc = image.ImageDesc;
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == GRAPHICS_EXT_FUNC_CODE) {
                GraphicsControlBlock gcb;
                DGifExtensionToGCB(block.ByteCount, block.Bytes, &gcb);
                info.disposal = gcb.DisposalMode > 3 ? 0 : gcb.DisposalMode;
                if (info.disposal == 3 && frames.empty())
                    info.disposal = 0;
                info.transparent = gcb.TransparentColor;
            }
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && e + 1 < image.ExtensionBlockCount &&
                image.ExtensionBlocks[e + 1].ByteCount >= 3)
                ref.loopCount = image.ExtensionBlocks[e + 1].Bytes[1] |
                                (image.ExtensionBlocks[e + 1].Bytes[2] << 8);
        }
        width = std::max(width, info.desc.Left + info.desc.Width);
        height = std::max(height, info.desc.Top + info.desc.Height);
        frames.push_back(info);
    }
    QImage canvas(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    QImage saved;
    for (size_t k = 0; k < frames.size(); ++k) {
        const GifImageDesc& d = frames[k].desc;
        const QRect rect(d.Left, d.Top, d.Width, d.Height);
        if (k > 0) {
            const Info& previous = frames[k - 1];
            const QRect before(previous.desc.Left, previous.desc.Top, previous.desc.Width,
                               previous.desc.Height);
            if (previous.disposal == 2)
                for (int y = before.top(); y <= before.bottom(); ++y)
                    for (int x = before.left(); x <= before.right(); ++x)
                        canvas.setPixel(x, y, 0);
            if (previous.disposal == 3)
                canvas = saved;
        }
        if (frames[k].disposal == 3)
            saved = canvas.copy();
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        const GifByteType* raster = gif->SavedImages[k].RasterBits;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = raster[y * d.Width + x];
                if (index != frames[k].transparent)
                    canvas.setPixel(d.Left + x, d.Top + y, colourOf(map, index));
            }
        ref.composed.push_back(canvas.copy());
        ref.frameRects.push_back(rect);
    }
    DGifCloseFile(gif, &error);
    return ref;
}

QString corpusPath(const QString& relative) {
    return QStringLiteral(NIMBRISCO_GIF_CORPUS "/") + relative;
}

bool corpusPresent() {
    return QDir(QStringLiteral(NIMBRISCO_GIF_CORPUS)).exists();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString imageDifference(const QImage& actual, const QImage& expected, QRect area) {
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect check = area.isValid() ? area & a.rect() : a.rect();
    for (int y = check.top(); y <= check.bottom(); ++y)
        for (int x = check.left(); x <= check.right(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y))
                return QStringLiteral("pixel (%1,%2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16, QChar('0'))
                    .arg(e.pixel(x, y), 8, 16, QChar('0'));
    return QString();
}

EventLog::EventLog(ucAniGIF& control) {
    QObject::connect(
        &control, &ucAniGIF::FrameChanged, &control,
        [this](qint32 frame, bool viaTimer) { frameChanged.emplace_back(frame, viaTimer); });
    QObject::connect(&control, &ucAniGIF::LoopsEnded, &control, [this] { ++loopsEnded; });
    QObject::connect(&control, &ucAniGIF::RemoteLoadFailure, &control,
                     [this] { ++remoteFailures; });
    QObject::connect(&control, &ucAniGIF::propertyChanged, &control,
                     [this](const QString& name) { changes << name; });
}

void loadStopped(ucAniGIF& control, const QByteArray& bytes) {
    control.setDelayAnimation(2);
    control.LoadAnimatedGIF_Array(bytes);
    control.deferredDecodingTick();
}

void stepTo(ucAniGIF& control, int f) {
    for (int guard = 0; control.CurrentFrame() != f && guard <= control.FrameCount(); ++guard)
        control.setAction(3);
}

} // namespace uctest
