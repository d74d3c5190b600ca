// The multi-frame GIF writer: frames, colours, offsets and transparency as a decoder reads them.
#include "GifWriter.h"
#include "ServiceFixture.h"

using namespace catalogueservice;

namespace {

GifFrame Frame(QSize size, uchar fill) {
    GifFrame frame;
    frame.image = QImage(size, QImage::Format_Indexed8);
    frame.image.setColorTable(DemoGifPalette());
    frame.image.fill(fill);
    return frame;
}

} // namespace

TEST(GifWriter, FramesDecodeWithTheirColoursOffsetsAndTransparency) {
    const QVector<QRgb> palette = DemoGifPalette();
    GifFrame patch = Frame(QSize(5, 5), 200);
    patch.image.setPixel(0, 0, 7);
    patch.offset = QPoint(10, 10);
    patch.transparentIndex = 7;
    const QByteArray gif =
        WriteAnimatedGif(QSize(20, 20), palette, {Frame(QSize(20, 20), 30), patch});
    ASSERT_TRUE(gif.startsWith("GIF89a"));
    ASSERT_TRUE(gif.endsWith('\x3B'));
    const QList<QImage> decoded = Frames(gif);
    ASSERT_EQ(decoded.size(), 2);
    EXPECT_EQ(decoded[0].pixel(19, 19), palette[30]);
    EXPECT_EQ(decoded[1].pixel(11, 11), palette[200]);
    // The transparent pixel and everything outside the patch keep the picture below.
    EXPECT_EQ(decoded[1].pixel(10, 10), palette[30]);
    EXPECT_EQ(decoded[1].pixel(2, 2), palette[30]);
}

TEST(GifWriter, LargeFramesSurviveTheCodeTableResets) {
    // Many distinct runs fill the 4096-entry table several times over.
    GifFrame frame = Frame(QSize(640, 480), 0);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            frame.image.setPixel(x, y, static_cast<uint>((x * 7 + y * 13 + (x * y) % 31) % 256));
    const QList<QImage> decoded =
        Frames(WriteAnimatedGif(frame.image.size(), DemoGifPalette(), {frame}));
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded[0].convertToFormat(QImage::Format_ARGB32),
              frame.image.convertToFormat(QImage::Format_ARGB32));
}

TEST(GifWriter, RefusesFramesItCannotWrite) {
    GifFrame outside = Frame(QSize(10, 10), 1);
    outside.offset = QPoint(5, 0);
    GifFrame rgb;
    rgb.image = QImage(4, 4, QImage::Format_RGB32);
    const QVector<QRgb> palette = DemoGifPalette();
    EXPECT_TRUE(WriteAnimatedGif(QSize(10, 10), palette, {outside}).isEmpty());
    EXPECT_TRUE(WriteAnimatedGif(QSize(4, 4), palette, {rgb}).isEmpty());
    EXPECT_TRUE(WriteAnimatedGif(QSize(4, 4), palette, {}).isEmpty());
    EXPECT_TRUE(WriteAnimatedGif(QSize(0, 4), palette, {Frame(QSize(4, 4), 1)}).isEmpty());
}
