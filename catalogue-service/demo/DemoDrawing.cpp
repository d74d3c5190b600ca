#include "DemoDrawing.h"

#include "GifWriter.h"
#include "anigif/LzwEncoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace catalogueservice::demo {

namespace {

double Lattice(int x, int y, quint32 seed) {
    quint32 h =
        seed ^ (static_cast<quint32>(x) * 0x27d4eb2dU) ^ (static_cast<quint32>(y) * 0x165667b1U);
    h ^= h >> 15;
    h *= 0x85ebca6bU;
    h ^= h >> 13;
    h *= 0xc2b2ae35U;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

double Fade(double t) {
    return t * t * (3 - 2 * t);
}

// Outlines in unit coordinates (x right, y down), drawn as smooth closed curves.
const QVector<QVector<QPointF>>& LandShapes() {
    static const QVector<QVector<QPointF>> shapes = {
        // The mainland with a peninsula in the south-west.
        {{0.05, 0.62}, {0.12, 0.55}, {0.22, 0.57}, {0.25, 0.48}, {0.32, 0.40}, {0.40, 0.35},
         {0.48, 0.36}, {0.55, 0.30}, {0.66, 0.28}, {0.80, 0.25}, {0.98, 0.22}, {0.98, 0.75},
         {0.85, 0.72}, {0.74, 0.66}, {0.66, 0.70}, {0.60, 0.62}, {0.54, 0.60}, {0.50, 0.66},
         {0.46, 0.60}, {0.40, 0.62}, {0.30, 0.66}, {0.24, 0.78}, {0.12, 0.80}, {0.05, 0.74}},
        // A long peninsula to the south.
        {{0.50, 0.62},
         {0.55, 0.66},
         {0.60, 0.78},
         {0.63, 0.84},
         {0.60, 0.86},
         {0.55, 0.76},
         {0.49, 0.68}},
        // Islands in the north-west.
        {{0.26, 0.22}, {0.31, 0.20}, {0.33, 0.30}, {0.30, 0.38}, {0.24, 0.36}, {0.25, 0.28}},
        {{0.18, 0.28}, {0.22, 0.27}, {0.22, 0.33}, {0.18, 0.34}},
        // A northern land mass.
        {{0.50, 0.05},
         {0.62, 0.02},
         {0.72, 0.08},
         {0.68, 0.20},
         {0.60, 0.26},
         {0.55, 0.18},
         {0.50, 0.12}},
        // A southern coast.
        {{0.02, 0.92},
         {0.20, 0.88},
         {0.40, 0.90},
         {0.60, 0.93},
         {0.85, 0.90},
         {0.98, 0.91},
         {0.98, 1.0},
         {0.02, 1.0}},
    };
    return shapes;
}

QPainterPath SmoothClosedPath(const QVector<QPointF>& points) {
    QPainterPath path;
    const int n = points.size();
    auto mid = [&](int i) { return (points[i % n] + points[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= n; ++i)
        path.quadTo(points[i % n], mid(i));
    path.closeSubpath();
    return path;
}

} // namespace

QString StampText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

double SmoothNoise(double x, double y, quint32 seed) {
    double sum = 0;
    double amplitude = 0.5;
    double total = 0;
    for (int octave = 0; octave < 4; ++octave) {
        const int x0 = static_cast<int>(std::floor(x));
        const int y0 = static_cast<int>(std::floor(y));
        const double fx = Fade(x - x0);
        const double fy = Fade(y - y0);
        const double top = Lattice(x0, y0, seed) * (1 - fx) + Lattice(x0 + 1, y0, seed) * fx;
        const double bottom =
            Lattice(x0, y0 + 1, seed) * (1 - fx) + Lattice(x0 + 1, y0 + 1, seed) * fx;
        sum += amplitude * (top * (1 - fy) + bottom * fy);
        total += amplitude;
        amplitude /= 2;
        x *= 2;
        y *= 2;
        seed = seed * 1664525U + 1013904223U;
    }
    return sum / total;
}

QImage NoiseField(int width, int height, double cellsPerUnit, double dx, double dy, quint32 seed) {
    QImage field(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        uchar* line = field.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const double value =
                SmoothNoise(x * cellsPerUnit / width + dx, y * cellsPerUnit / width + dy, seed);
            line[x] = static_cast<uchar>(qBound(0.0, value, 1.0) * 255);
        }
    }
    return field;
}

void DrawLand(QPainter& painter, const QRectF& area, const QColor& fill, const QColor& coast) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(coast, 1.5));
    painter.setBrush(fill);
    for (const QVector<QPointF>& shape : LandShapes()) {
        QVector<QPointF> placed;
        placed.reserve(shape.size());
        for (const QPointF& p : shape)
            placed.append(
                QPointF(area.left() + p.x() * area.width(), area.top() + p.y() * area.height()));
        painter.drawPath(SmoothClosedPath(placed));
    }
    painter.restore();
}

void DrawTitleBand(QPainter& painter, const QRect& canvas, const QString& title,
                   const QDateTime& when) {
    painter.save();
    const int bandHeight = qMax(24, canvas.height() / 16);
    const QRect band(canvas.left(), canvas.top(), canvas.width(), bandHeight);
    painter.fillRect(band, QColor(0, 0, 0, 170));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(bandHeight * 55 / 100);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRect text = band.adjusted(bandHeight / 3, 0, -bandHeight / 3, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(QColor(255, 230, 90));
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, StampText(when));
    painter.restore();
}

QByteArray EncodePicture(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(85);
    if (!writer.write(picture))
        return {};
    return bytes;
}

QByteArray EncodeStillGif(const QImage& picture, int transparentIndex) {
    // The encoder takes 0x00RRGGBB entries.
    static const std::vector<uint32_t> palette = [] {
        std::vector<uint32_t> rgb;
        for (QRgb colour : DemoGifPalette())
            rgb.push_back(colour & 0xFFFFFFU);
        return rgb;
    }();
    const QImage indexed = ToDemoPalette(picture);
    return anigif::WriteSingleFrameGif(indexed.constBits(), indexed.bytesPerLine(), indexed.width(),
                                       indexed.height(), palette.data(),
                                       static_cast<int>(palette.size()), transparentIndex >= 0,
                                       static_cast<uint8_t>(qMax(0, transparentIndex)));
}

} // namespace catalogueservice::demo
