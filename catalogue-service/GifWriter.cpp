#include "GifWriter.h"

#include "anigif/LzwEncoder.h"

#include <QRect>

namespace catalogueservice {

namespace {

// Colour tables are always written with 256 entries: size field 7 means 2^(7+1).
constexpr quint8 kTableSizeField = 7;

void AppendWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendColourTable(QByteArray& out, const QVector<QRgb>& palette) {
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(rgb)));
        out.append(static_cast<char>(qGreen(rgb)));
        out.append(static_cast<char>(qBlue(rgb)));
    }
}

void AppendLoopExtension(QByteArray& out, int loopCount) {
    out.append("\x21\xFF\x0B", 3);
    out.append("NETSCAPE2.0");
    out.append("\x03\x01", 2);
    AppendWord(out, loopCount);
    out.append('\0');
}

void AppendGraphicControl(QByteArray& out, const GifFrame& frame) {
    const bool transparent = frame.transparentIndex >= 0 && frame.transparentIndex < 256;
    out.append("\x21\xF9\x04", 3);
    out.append(static_cast<char>(((frame.disposal & 0x07) << 2) | (transparent ? 1 : 0)));
    AppendWord(out, frame.delayCs);
    out.append(static_cast<char>(transparent ? frame.transparentIndex : 0));
    out.append('\0');
}

void AppendImage(QByteArray& out, const GifFrame& frame) {
    out.append('\x2C');
    AppendWord(out, frame.offset.x());
    AppendWord(out, frame.offset.y());
    AppendWord(out, frame.image.width());
    AppendWord(out, frame.image.height());
    out.append(static_cast<char>(frame.localPalette ? 0x80 | kTableSizeField : 0));
    if (frame.localPalette)
        AppendColourTable(out, frame.image.colorTable());
    // The encoder writes its own minimum code size byte before the data blocks.
    anigif::AppendLzwImageData(out, frame.image.constBits(), frame.image.bytesPerLine(),
                               frame.image.width(), frame.image.height());
}

} // namespace

QVector<QRgb> DemoGifPalette() {
    QVector<QRgb> palette;
    palette.reserve(256);
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
        }
    }
    // Greys between the cube's own six.
    for (int i = 0; palette.size() < 256; ++i)
        palette.append(qRgb(6 + i * 6, 6 + i * 6, 6 + i * 6));
    return palette;
}

QImage ToDemoPalette(const QImage& picture) {
    static const QVector<QRgb> palette = DemoGifPalette();
    return picture.convertToFormat(QImage::Format_RGB32)
        .convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

QByteArray WriteAnimatedGif(const QSize& screenSize, const QVector<QRgb>& globalPalette,
                            const QList<GifFrame>& frames, int loopCount) {
    const QRect screen(QPoint(0, 0), screenSize);
    if (screenSize.width() < 1 || screenSize.height() < 1 || screenSize.width() > 65535 ||
        screenSize.height() > 65535 || frames.isEmpty())
        return {};
    for (const GifFrame& frame : frames) {
        if (frame.image.format() != QImage::Format_Indexed8 ||
            !screen.contains(QRect(frame.offset, frame.image.size())))
            return {};
    }
    QByteArray out("GIF89a");
    AppendWord(out, screenSize.width());
    AppendWord(out, screenSize.height());
    // Global table present, 8 bits of colour resolution, 256 entries.
    out.append(static_cast<char>(0x80 | (7 << 4) | kTableSizeField));
    out.append('\0'); // background index
    out.append('\0'); // no aspect ratio
    AppendColourTable(out, globalPalette);
    AppendLoopExtension(out, loopCount);
    for (const GifFrame& frame : frames) {
        AppendGraphicControl(out, frame);
        AppendImage(out, frame);
    }
    out.append('\x3B');
    return out;
}

} // namespace catalogueservice
