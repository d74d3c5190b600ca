// The demo still pictures, each with the time drawn in.
#pragma once

#include <QDateTime>
#include <QImage>

namespace catalogueservice::demo {

// Clouds over land and sea, drifting with the time of day.
QImage DrawSatellite(const QDateTime& when);
// Cloud cover in infrared, 1024 x 768.
QImage DrawCloudCover(const QDateTime& when);
// A temperature map with transparent corners (the client shows them on its background colour).
QImage DrawTemperatureMap(const QDateTime& when);
// A surface pressure chart with highs, lows and isobars.
QImage DrawPressureChart(const QDateTime& when);
// Frame number of a precipitation forecast series (hours ahead).
QImage DrawSeriesFrame(int number, const QDateTime& when);
// The picture of the script page: a station report panel.
QImage DrawStationReport(const QDateTime& when);

} // namespace catalogueservice::demo
