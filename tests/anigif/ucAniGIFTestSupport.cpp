// Helpers of the animated-GIF tests (writers, giflib reference, corpus, comparison, control).
#include "ucAniGIFTestSupport.h"

#include "anigif/ucAniGIF.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace uctest {

namespace {

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

} // namespace

std::vector<QRgb> rampTable(int count, int seed) {
    std::vector<QRgb> table;
    for (int i = 0; i < count; ++i)
        table.push_back(qRgb((i * 37 + seed * 11) & 255, (i * 91 + seed * 53) & 255,
                             (i * 13 + seed * 29 + 7) & 255));
    return table;
}

std::vector<uint8_t> pixelPattern(int width, int height, int colours, int kind, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(uint8_t(kind == 0   ? random() % unsigned(colours)
                                     : kind == 1 ? unsigned(x / 7 + y / 5) % unsigned(colours)
                                     : random() % 50 == 0 ? random() % unsigned(colours)
                                                          : 1u));
    return pixels;
}

TestFrame patternFrame(QRect rect, int seed, int colours) {
    TestFrame frame;
    frame.rect = rect;
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            frame.pixels.push_back(
                uint8_t(((x / 3) * 7 + (y / 2) * 5 + seed * 3 + (x ^ y)) % colours));
    return frame;
}

QByteArray makeGif(QSize screen, const std::vector<QRgb>& globalTable,
                   const std::vector<TestFrame>& frames, int loopCount) {
    QByteArray out;
    int error = 0;
    const auto write = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)
            ->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    GifFileType* gif = EGifOpen(&out, write, &error);
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
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
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
        for (int pass = 0; pass < (f.interlaced ? 4 : 1); ++pass)
            for (int y = f.interlaced ? kStart[pass] : 0; y < f.rect.height();
                 y += f.interlaced ? kStep[pass] : 1)
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

QByteArray bareFrames(int count, int width, int height) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF", 19);
    const char size[4] = {char(width & 255), char(width >> 8), char(height & 255),
                          char(height >> 8)};
    for (int i = 0; i < count; ++i)
        gif += QByteArray("\x2C\x00\x00\x00\x00", 5) + QByteArray(size, 4) +
               QByteArray("\x00\x02\x01\x04\x00", 5);
    return gif + char(0x3B);
}

Giflib::Giflib(const QByteArray& bytes) {
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    const auto read = [](GifFileType* gif, GifByteType* data, int length) {
        return int(
            static_cast<QBuffer*>(gif->UserData)->read(reinterpret_cast<char*>(data), length));
    };
    int error = 0;
    file = DGifOpen(&source, read, &error);
    // The source is read only here: DGifSlurp takes in the whole file.
    complete = file && DGifSlurp(file) == GIF_OK;
}

Giflib::~Giflib() {
    int error = 0;
    if (file)
        DGifCloseFile(file, &error);
}

std::vector<uint8_t> Giflib::indices(int k) const {
    const SavedImage& image = file->SavedImages[k];
    return std::vector<uint8_t>(image.RasterBits,
                                image.RasterBits + image.ImageDesc.Width * image.ImageDesc.Height);
}

std::vector<QImage> giflibCompose(const QByteArray& bytes) {
    const Giflib reader(bytes);
    GifFileType* gif = reader.file;
    int frames = 0;
    int width = 1;
    int height = 1;
    for (; gif && frames < gif->ImageCount && gif->SavedImages[frames].RasterBits; ++frames) {
        const GifImageDesc& d = gif->SavedImages[frames].ImageDesc;
        width = std::max(width, d.Left + d.Width);
        height = std::max(height, d.Top + d.Height);
    }
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    QImage saved;
    std::vector<QImage> composed;
    for (int k = 0; k < frames; ++k) {
        const GifImageDesc& d = gif->SavedImages[k].ImageDesc;
        GraphicsControlBlock gcb{0, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif, k, &gcb);
        const int disposal =
            gcb.DisposalMode > 3 || (gcb.DisposalMode == 3 && k == 0) ? 0 : gcb.DisposalMode;
        if (disposal == 3)
            saved = canvas.copy();
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = gif->SavedImages[k].RasterBits[y * d.Width + x];
                const GifColorType* c =
                    map && index < map->ColorCount ? &map->Colors[index] : nullptr;
                if (index != gcb.TransparentColor)
                    canvas.setPixel(d.Left + x, d.Top + y,
                                    c ? qRgb(c->Red, c->Green, c->Blue) : 0xFF000000u);
            }
        composed.push_back(canvas.copy());
        // What the frame leaves for the next one.
        if (disposal == 2)
            for (int y = d.Top; y < d.Top + d.Height; ++y)
                for (int x = d.Left; x < d.Left + d.Width; ++x)
                    canvas.setPixel(x, y, 0);
        if (disposal == 3)
            canvas = saved;
    }
    return composed;
}

bool corpusPresent() {
    return QDir(QStringLiteral(NIMBRISCO_GIF_CORPUS)).exists();
}

QByteArray corpusFile(const QString& relative) {
    QFile file(QStringLiteral(NIMBRISCO_GIF_CORPUS "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList corpusGifs(const QString& folder) {
    QStringList names = QDir(QStringLiteral(NIMBRISCO_GIF_CORPUS "/") + folder)
                            .entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name.prepend(folder + QLatin1Char('/'));
    return names;
}

QString imageDifference(const QImage& actual, const QImage& expected, QRect area) {
    if (actual.size() != expected.size())
        return QString::asprintf("size %dx%d, expected %dx%d", actual.width(), actual.height(),
                                 expected.width(), expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect check = area.isValid() ? area & a.rect() : a.rect();
    for (int y = check.top(); y <= check.bottom(); ++y)
        for (int x = check.left(); x <= check.right(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y))
                return QString::asprintf("pixel (%d,%d) is %08x, expected %08x", x, y,
                                         a.pixel(x, y), e.pixel(x, y));
    return QString();
}

EventLog::EventLog(ucAniGIF& control) {
    QObject::connect(
        &control, &ucAniGIF::FrameChanged, &control,
        [this](qint32 frame, bool viaTimer) { frameChanged.emplace_back(frame, viaTimer); });
    QObject::connect(&control, &ucAniGIF::LoopsEnded, &control, [this] { ++loopsEnded; });
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
