#include "slideshow/PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace pictures {
namespace {

bool wantsScaling(const Picture& picture, QSize size) {
    return !size.isEmpty() && size != picture.naturalSize;
}

QImage finish(const Picture& picture, QImage image) {
    return picture.flatten ? flattened(image, picture.background) : image;
}

} // namespace

QImage decodeFull(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QImage decodeAt(const Picture& picture, QSize size) {
    QByteArray data = picture.encoded;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const bool scale = wantsScaling(picture, size);
    // Only the JPEG reader decodes at a reduced scale (and resamples smoothly at quality 75 and
    // above); every other reader would decode in full and then scale with no say in quality.
    if (scale && reader.format() == "jpeg") {
        reader.setQuality(75);
        reader.setScaledSize(size);
        return finish(picture, reader.read());
    }
    QImage image = reader.read();
    if (scale && !image.isNull())
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return finish(picture, std::move(image));
}

QImage scaledForDisplay(const Picture& picture, const QImage& full, QSize size) {
    if (full.isNull())
        return {};
    if (!wantsScaling(picture, size))
        return finish(picture, full);
    return finish(picture, full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage flattened(const QImage& image, QRgb background) {
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(background);
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

Picture pictureFromFile(const QString& path, QImage* decoded) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Picture picture;
    picture.encoded = file.readAll();
    QImage image = decodeFull(picture.encoded);
    if (image.isNull())
        return {};
    picture.naturalSize = image.size();
    picture.sourcePath = path;
    if (decoded)
        *decoded = std::move(image);
    return picture;
}

} // namespace pictures
