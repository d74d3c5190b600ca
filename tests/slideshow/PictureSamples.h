// Picture files made on the spot for the loading and presentation tests.
#pragma once

#include "anigif/LzwEncoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

namespace samples {

inline QByteArray encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// Left half red, right half blue.
inline QImage twoColours(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return image;
}

inline QByteArray jpeg(QSize size) {
    return encode(twoColours(size), "JPG", 90);
}

// Left half fully transparent, right half opaque red.
inline QByteArray transparentPng(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(),
                              Qt::red);
    return encode(image, "PNG");
}

// An animated GIF of `frames` frames of `size`, each filled with its own colour, looping.
inline QByteArray animatedGif(QSize size, int frames) {
    std::vector<uint32_t> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = uint32_t((i * 40) % 256) << 16 | uint32_t((i * 90) % 256) << 8 | uint32_t(i);
    // Header, screen descriptor and global table of a single-frame file, then each frame's
    // descriptor and data from its own single-frame file.
    const int head = 6 + 7 + 3 * 256;
    QByteArray out;
    for (int f = 0; f < frames; ++f) {
        std::vector<uint8_t> pixels(size_t(size.width()) * size.height(), uint8_t(f + 1));
        const QByteArray one =
            anigif::WriteSingleFrameGif(pixels.data(), size.width(), size.width(), size.height(),
                                        palette.data(), 256, false, 0);
        if (f == 0) {
            out = one.left(head);
            out += QByteArray::fromHex("21ff0b4e45545343415045322e300301000000");
        }
        out += QByteArray::fromHex("21f904000a000000"); // 100 ms, no transparency
        out += one.mid(head, one.size() - head - 1);
    }
    out += char(0x3b);
    return out;
}

} // namespace samples
