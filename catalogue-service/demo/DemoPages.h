// The demo web pages: a forecast for the user's town, a plain bulletin and a script page.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace catalogueservice::demo {

// Five days for town (and place, when given), drawn in SVG; the texts are escaped.
QByteArray ForecastPage(const QString& town, const QString& place, const QDateTime& when);

// A plain page with a bulletin and the satellite picture; base is the service's own address.
QByteArray BulletinPage(const QString& base, const QDateTime& when);

// A page as a server-side script would build it: its first image is the station report GIF.
QByteArray ScriptPage(const QString& base, const QDateTime& when);

} // namespace catalogueservice::demo
