#include "RadarLoop.h"

#include "DemoDrawing.h"
#include "GifWriter.h"

#include <QConicalGradient>
#include <QPainter>

namespace catalogueservice::demo {

namespace {

const QSize kRadarSize(640, 480);

// Echo intensity classes as radar pictures colour them.
QImage EchoLayer(double drift) {
    const QImage field =
        NoiseField(kRadarSize.width() / 4, kRadarSize.height() / 4, 4, drift, 0.5, 41);
    QImage echoes(field.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < field.height(); ++y) {
        const uchar* in = field.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(echoes.scanLine(y));
        for (int x = 0; x < field.width(); ++x) {
            const int v = in[x];
            out[x] = v < 150   ? qRgba(0, 0, 0, 0)
                     : v < 170 ? qRgb(0, 153, 51)
                     : v < 185 ? qRgb(102, 204, 0)
                     : v < 198 ? qRgb(255, 204, 0)
                               : qRgb(255, 51, 0);
        }
    }
    // No smoothing: hard-edged classes keep the colours on the palette.
    return echoes.scaled(kRadarSize);
}

QImage DrawFrame(int index, int count, const QDateTime& frameTime) {
    QImage frame(kRadarSize, QImage::Format_RGB32);
    frame.fill(QColor(0, 0, 51));
    QPainter painter(&frame);
    DrawLand(painter, QRectF(QPointF(0, 0), kRadarSize), QColor(0, 51, 51), QColor(51, 102, 102));
    painter.drawImage(0, 0, EchoLayer(frameTime.toSecsSinceEpoch() / 3600.0 * 0.3));

    const QPointF centre(kRadarSize.width() / 2.0, kRadarSize.height() / 2.0 + 12);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 204, 102), 1));
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 4; ++ring)
        painter.drawEllipse(centre, ring * 55.0, ring * 55.0);
    painter.drawLine(centre - QPointF(220, 0), centre + QPointF(220, 0));
    painter.drawLine(centre - QPointF(0, 220), centre + QPointF(0, 220));

    // The sweep turns once per loop; a fading wedge trails it.
    const double angle = 360.0 * index / count;
    QConicalGradient wedge(centre, angle);
    wedge.setColorAt(0.0, QColor(0, 255, 102, 160));
    wedge.setColorAt(0.12, QColor(0, 255, 102, 0));
    wedge.setColorAt(1.0, QColor(0, 255, 102, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wedge);
    painter.drawEllipse(centre, 220.0, 220.0);

    DrawTitleBand(painter, frame.rect(),
                  QStringLiteral("DEMO RADAR  %1/%2").arg(index + 1).arg(count), frameTime);
    return frame;
}

} // namespace

QList<QImage> DrawRadarFrames(const QDateTime& when, int frameCount) {
    QList<QImage> frames;
    for (int i = 0; i < frameCount; ++i)
        frames.append(DrawFrame(i, frameCount, when.addSecs(-300LL * (frameCount - 1 - i))));
    return frames;
}

QByteArray EncodeRadarLoop(const QDateTime& when) {
    QList<GifFrame> frames;
    for (const QImage& picture : DrawRadarFrames(when)) {
        GifFrame frame;
        frame.image = ToDemoPalette(picture);
        frame.delayCs = kRadarFrameDelayCs;
        frames.append(frame);
    }
    // The last frame, the newest, stays a little longer before the loop starts again.
    frames.last().delayCs = kRadarFrameDelayCs * 4;
    return WriteAnimatedGif(kRadarSize, DemoGifPalette(), frames);
}

} // namespace catalogueservice::demo
