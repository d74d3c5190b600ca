// The multi-frame GIF writer: frames, delays, offsets and transparency as a decoder reads them.
#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

QImage Indexed(QSize size, uchar fill) {
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(DemoGifPalette());
    image.fill(fill);
    return image;
}

QList<QImage> ReadAll(const QByteArray& gif, QList<int>* delays = nullptr) {
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QList<QImage> frames;
    QImage frame;
    while (reader.read(&frame)) {
        frames.append(frame.convertToFormat(QImage::Format_ARGB32));
        if (delays)
            delays->append(reader.nextImageDelay());
    }
    return frames;
}

} // namespace

TEST(GifWriter, FramesDecodeWithTheirColoursAndDelays) {
    const QVector<QRgb> palette = DemoGifPalette();
    QList<GifFrame> frames;
    for (uchar index : {uchar(5), uchar(180), uchar(215)}) {
        GifFrame frame;
        frame.image = Indexed(QSize(37, 23), index);
        // A different pixel, so rows are not all the same.
        frame.image.setPixel(36, 22, 0);
        frame.delayCs = 20;
        frames.append(frame);
    }
    const QByteArray gif = WriteAnimatedGif(QSize(37, 23), palette, frames);
    ASSERT_TRUE(gif.startsWith("GIF89a"));
    ASSERT_TRUE(gif.endsWith('\x3B'));
    const QList<QImage> decoded = ReadAll(gif);
    ASSERT_EQ(decoded.size(), 3);
    EXPECT_EQ(decoded[0].pixel(0, 0), palette[5]);
    EXPECT_EQ(decoded[1].pixel(10, 10), palette[180]);
    EXPECT_EQ(decoded[2].pixel(36, 21), palette[215]);
    EXPECT_EQ(decoded[2].pixel(36, 22), palette[0]);
}

TEST(GifWriter, LargeFramesSurviveTheCodeTableResets) {
    // Many distinct runs fill the 4096-entry table several times over.
    QImage image = Indexed(QSize(640, 480), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, static_cast<uint>((x * 7 + y * 13 + (x * y) % 31) % 256));
    GifFrame frame;
    frame.image = image;
    const QList<QImage> decoded =
        ReadAll(WriteAnimatedGif(image.size(), DemoGifPalette(), {frame}));
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded[0], image.convertToFormat(QImage::Format_ARGB32));
}

TEST(GifWriter, OffsetFrameWithTransparencyKeepsThePictureBelow) {
    const QVector<QRgb> palette = DemoGifPalette();
    GifFrame background;
    background.image = Indexed(QSize(20, 20), 30);
    GifFrame patch;
    patch.image = Indexed(QSize(5, 5), 200);
    patch.image.setPixel(0, 0, 7); // transparent
    patch.offset = QPoint(10, 10);
    patch.transparentIndex = 7;
    const QList<QImage> decoded =
        ReadAll(WriteAnimatedGif(QSize(20, 20), palette, {background, patch}));
    ASSERT_EQ(decoded.size(), 2);
    EXPECT_EQ(decoded[1].pixel(11, 11), palette[200]);
    EXPECT_EQ(decoded[1].pixel(10, 10), palette[30]);
    EXPECT_EQ(decoded[1].pixel(2, 2), palette[30]);
}

TEST(GifWriter, RefusesFramesItCannotWrite) {
    GifFrame outside;
    outside.image = Indexed(QSize(10, 10), 1);
    outside.offset = QPoint(5, 0);
    EXPECT_TRUE(WriteAnimatedGif(QSize(10, 10), DemoGifPalette(), {outside}).isEmpty());
    GifFrame rgb;
    rgb.image = QImage(4, 4, QImage::Format_RGB32);
    EXPECT_TRUE(WriteAnimatedGif(QSize(4, 4), DemoGifPalette(), {rgb}).isEmpty());
    EXPECT_TRUE(WriteAnimatedGif(QSize(4, 4), DemoGifPalette(), {}).isEmpty());
    EXPECT_TRUE(WriteAnimatedGif(QSize(0, 4), DemoGifPalette(), {rgb}).isEmpty());
}
