// Drawing and encoding helpers shared by the demo pictures.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace catalogueservice::demo {

// The time as drawn into every picture, so that a refresh is visible at a glance.
QString StampText(const QDateTime& when);

// Smooth noise in [0, 1] over the plane; the same seed gives the same field.
double SmoothNoise(double x, double y, quint32 seed);

// A field of SmoothNoise sampled on a grid of cells x cells per unit, width x height values in
// [0, 1], as a greyscale picture (cheap to scale up smoothly).
QImage NoiseField(int width, int height, double cellsPerUnit, double dx, double dy, quint32 seed);

// A made-up coastline of a European-looking region, fitted into area.
void DrawLand(QPainter& painter, const QRectF& area, const QColor& fill, const QColor& coast);

// A title band across the top with the title on the left and the time on the right.
void DrawTitleBand(QPainter& painter, const QRect& canvas, const QString& title,
                   const QDateTime& when);

// JPEG or PNG ("JPG", "PNG") bytes of a picture.
QByteArray EncodePicture(const QImage& picture, const char* format);

// A single-frame GIF of a picture on the demo palette; transparentIndex < 0 for none.
QByteArray EncodeStillGif(const QImage& picture, int transparentIndex = -1);

} // namespace catalogueservice::demo
