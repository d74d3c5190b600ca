#include "DemoPictures.h"

#include "DemoDrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace catalogueservice::demo {

namespace {

QFont DemoFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Hours since midnight as a fraction, so fields drift smoothly through the day.
double DayPhase(const QDateTime& when) {
    return when.time().msecsSinceStartOfDay() / 3600000.0;
}

QColor TemperatureColour(double celsius) {
    const double t = qBound(0.0, (celsius + 10) / 45, 1.0);
    return QColor::fromHsvF((1 - t) * 0.66, 0.75, 0.95);
}

// Soft white clouds from a noise field: thin where the field is low, dense where it is high.
QImage CloudLayer(const QSize& size, double dx, double dy, quint32 seed, double threshold) {
    const QImage field = NoiseField(size.width() / 4, size.height() / 4, 5, dx, dy, seed);
    QImage clouds(field.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < field.height(); ++y) {
        const uchar* in = field.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(clouds.scanLine(y));
        for (int x = 0; x < field.width(); ++x) {
            const double v = in[x] / 255.0;
            const int alpha =
                static_cast<int>(qBound(0.0, (v - threshold) / (1 - threshold) * 1.8, 1.0) * 235);
            out[x] = qPremultiply(qRgba(245, 247, 250, alpha));
        }
    }
    return clouds.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage DrawSatellite(const QDateTime& when) {
    const QSize size(1024, 768);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(12, 32, 66));
    QPainter painter(&picture);
    DrawLand(painter, QRectF(QPointF(0, 0), size), QColor(70, 96, 52), QColor(120, 140, 90));
    const double phase = DayPhase(when);
    painter.drawImage(0, 0, CloudLayer(size, phase * 0.35, phase * 0.05, 7, 0.48));
    DrawTitleBand(painter, picture.rect(), QStringLiteral("DEMO SATELLITE  Europe, visible"), when);
    return picture;
}

QImage DrawCloudCover(const QDateTime& when) {
    // An infrared look: cold cloud tops bright over a dark land, drawn apart from the visible
    // satellite picture so that a viewer can tell the two entries apart.
    const QSize size(1024, 768);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(20, 20, 24));
    QPainter painter(&picture);
    DrawLand(painter, QRectF(QPointF(0, 0), size), QColor(58, 58, 64), QColor(96, 96, 104));
    const double phase = DayPhase(when);
    painter.drawImage(0, 0, CloudLayer(size, phase * 0.2 + 3.1, phase * 0.07 + 1.7, 5, 0.55));
    DrawTitleBand(painter, picture.rect(), QStringLiteral("DEMO CLOUD COVER  infrared"), when);
    return picture;
}

QImage DrawTemperatureMap(const QDateTime& when) {
    const QSize size(800, 600);
    const QImage field =
        NoiseField(size.width() / 4, size.height() / 4, 3, DayPhase(when) * 0.1, 0, 11);
    QImage colours(field.size(), QImage::Format_RGB32);
    for (int y = 0; y < field.height(); ++y) {
        const uchar* in = field.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(colours.scanLine(y));
        // Warmer to the south, and warmer in the afternoon.
        const double base =
            2 + 22.0 * y / field.height() + 6 * std::sin((DayPhase(when) - 9) / 24 * 2 * M_PI);
        for (int x = 0; x < field.width(); ++x)
            out[x] = TemperatureColour(base + (in[x] / 255.0 - 0.5) * 16).rgb();
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(picture.rect()).adjusted(4, 4, -4, -4), 60, 60);
    painter.setClipPath(frame);
    painter.drawImage(picture.rect(),
                      colours.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    DrawLand(painter, QRectF(QPointF(0, 0), size), QColor(0, 0, 0, 0), QColor(40, 40, 40));
    // Inset, so that the rounded corners do not cut into the title.
    DrawTitleBand(painter, picture.rect().adjusted(40, 16, -40, 0),
                  QStringLiteral("DEMO TEMPERATURE  2 m, deg C"), when);
    // Legend.
    painter.setFont(DemoFont(14, true));
    for (int i = 0; i <= 9; ++i) {
        const double celsius = -10 + i * 5;
        const QRect swatch(40 + i * 60, size.height() - 60, 60, 24);
        painter.fillRect(swatch, TemperatureColour(celsius));
        painter.setPen(Qt::black);
        painter.drawText(swatch, Qt::AlignCenter, QString::number(celsius));
    }
    return picture;
}

QImage DrawPressureChart(const QDateTime& when) {
    const QSize size(800, 600);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(250, 250, 245));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLand(painter, QRectF(QPointF(0, 0), size), QColor(225, 225, 210), QColor(150, 150, 140));
    const double phase = DayPhase(when);
    struct Centre {
        QPointF at;
        bool high;
        int pressure;
    };
    const Centre centres[] = {
        {{150 + phase * 12, 220}, false, 984},
        {{620 - phase * 6, 380}, true, 1032},
        {{420 + phase * 4, 140}, false, 996},
    };
    for (const Centre& c : centres) {
        const QColor colour = c.high ? QColor(20, 60, 200) : QColor(200, 30, 30);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        for (int ring = 1; ring <= 5; ++ring)
            painter.drawEllipse(c.at, ring * 34.0, ring * 26.0);
        painter.setFont(DemoFont(34, true));
        painter.drawText(QRectF(c.at.x() - 30, c.at.y() - 30, 60, 44), Qt::AlignCenter,
                         c.high ? QStringLiteral("H") : QStringLiteral("L"));
        painter.setFont(DemoFont(13, true));
        painter.drawText(QRectF(c.at.x() - 40, c.at.y() + 10, 80, 20), Qt::AlignCenter,
                         QString::number(c.pressure));
    }
    DrawTitleBand(painter, picture.rect(), QStringLiteral("DEMO PRESSURE  surface analysis, hPa"),
                  when);
    return picture;
}

QImage DrawSeriesFrame(int number, const QDateTime& when) {
    const QSize size(640, 480);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(30, 36, 44));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLand(painter, QRectF(QPointF(0, 0), size), QColor(58, 66, 60), QColor(110, 120, 110));
    // Rain bands move east by one step per forecast hour.
    const QImage rain = NoiseField(size.width() / 4, size.height() / 4, 4,
                                   number * 0.12 + DayPhase(when) * 0.02, 0.3, 23);
    QImage overlay(rain.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rain.height(); ++y) {
        const uchar* in = rain.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(overlay.scanLine(y));
        for (int x = 0; x < rain.width(); ++x) {
            const int v = in[x];
            out[x] = v < 140   ? 0
                     : v < 170 ? qPremultiply(qRgba(60, 140, 255, 170))
                     : v < 190 ? qPremultiply(qRgba(40, 200, 80, 200))
                               : qPremultiply(qRgba(250, 210, 40, 220));
        }
    }
    painter.drawImage(picture.rect(),
                      overlay.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    DrawTitleBand(painter, picture.rect(), QStringLiteral("DEMO PRECIPITATION  +%1 h").arg(number),
                  when);
    painter.setFont(DemoFont(72, true));
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(picture.rect().adjusted(0, 0, -24, -16), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')));
    return picture;
}

QImage DrawStationReport(const QDateTime& when) {
    const QSize size(480, 320);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(16, 48, 96));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double phase = DayPhase(when);
    const double temperature = 12 + 8 * std::sin((phase - 9) / 24 * 2 * M_PI);
    // Thermometer.
    const QRectF tube(40, 70, 26, 190);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(240, 240, 240));
    painter.drawRoundedRect(tube, 12, 12);
    const double level = qBound(0.0, (temperature + 10) / 45, 1.0);
    painter.setBrush(QColor(220, 40, 40));
    painter.drawRoundedRect(
        QRectF(tube.left() + 6, tube.bottom() - 10 - level * 160, 14, level * 160 + 4), 6, 6);
    painter.drawEllipse(QPointF(tube.center().x(), tube.bottom() + 4), 20, 20);
    painter.setFont(DemoFont(22, true));
    painter.setPen(Qt::white);
    const QStringList lines = {
        QStringLiteral("Temperature  %1 C").arg(temperature, 0, 'f', 1),
        QStringLiteral("Humidity     %1 %").arg(55 + static_cast<int>(20 * std::cos(phase / 4))),
        QStringLiteral("Pressure     %1 hPa").arg(1013 + static_cast<int>(6 * std::sin(phase / 5))),
        QStringLiteral("Wind         %1 km/h").arg(8 + static_cast<int>(phase) % 12),
    };
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(110, 110 + i * 44), lines.at(i));
    DrawTitleBand(painter, picture.rect(), QStringLiteral("DEMO STATION"), when);
    return picture;
}

} // namespace catalogueservice::demo
