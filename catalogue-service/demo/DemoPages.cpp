#include "DemoPages.h"

#include "DemoDrawing.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace catalogueservice::demo {

namespace {

const char kStyle[] =
    "body{margin:0;font-family:'DejaVu Sans',Arial,sans-serif;color:#fff;"
    "background:linear-gradient(160deg,#0b3d6e,#3a7bbf 60%,#8fc1ea);min-height:100vh}"
    "header{padding:28px 48px;background:rgba(0,0,0,.25)}"
    "h1{margin:0;font-size:44px}h2{margin:6px 0 0;font-weight:normal;font-size:22px}"
    ".stamp{float:right;font-size:22px;color:#ffe65a}"
    ".days{display:flex;gap:24px;padding:32px 48px}"
    ".day{flex:1;background:rgba(255,255,255,.15);border-radius:18px;padding:18px;"
    "text-align:center;font-size:22px}.hi{color:#ffb199;font-size:30px;font-weight:bold}"
    ".lo{color:#bfe0ff;font-size:24px}main{padding:0 48px 32px}"
    "p{font-size:22px;line-height:1.5}img{border-radius:12px;max-width:100%}"
    "table{font-size:22px;border-collapse:collapse}td{padding:6px 18px}";

QString PageStart(const QString& title) {
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>%2</style></head><body>\n")
        .arg(title.toHtmlEscaped(), QLatin1String(kStyle));
}

QString Header(const QString& title, const QString& subtitle, const QDateTime& when) {
    return QStringLiteral("<header><span class=\"stamp\">%1</span><h1>%2</h1><h2>%3</h2>"
                          "</header>\n")
        .arg(StampText(when), title.toHtmlEscaped(), subtitle.toHtmlEscaped());
}

enum class Sky { Sun, Cloud, Rain };

QString SkyIcon(Sky sky) {
    const QString sun = QStringLiteral(
        "<circle cx='40' cy='34' r='16' fill='#ffd23f'/>"
        "<g stroke='#ffd23f' stroke-width='4'><line x1='40' y1='6' x2='40' y2='12'/>"
        "<line x1='12' y1='34' x2='18' y2='34'/><line x1='62' y1='34' x2='68' y2='34'/>"
        "<line x1='20' y1='14' x2='25' y2='19'/><line x1='60' y1='14' x2='55' y2='19'/></g>");
    const QString cloud = QStringLiteral(
        "<g fill='#f2f5f8'><circle cx='30' cy='44' r='14'/><circle cx='46' cy='38' r='18'/>"
        "<circle cx='60' cy='46' r='12'/><rect x='24' y='44' width='40' height='14' rx='7'/></g>");
    const QString rain = QStringLiteral(
        "<g stroke='#7fc8ff' stroke-width='4'><line x1='32' y1='62' x2='28' y2='74'/>"
        "<line x1='46' y1='62' x2='42' y2='74'/><line x1='60' y1='62' x2='56' y2='74'/></g>");
    QString body = sky == Sky::Sun ? sun : sky == Sky::Cloud ? sun + cloud : cloud + rain;
    return QStringLiteral("<svg width='80' height='80' viewBox='0 0 80 80'>%1</svg>").arg(body);
}

// A curve of the next 24 hours' temperatures.
QString TemperatureCurve(const QList<double>& hourly) {
    const int width = 1200;
    const int height = 220;
    double low = hourly.first();
    double high = hourly.first();
    for (double t : hourly) {
        low = qMin(low, t);
        high = qMax(high, t);
    }
    const double span = qMax(1.0, high - low);
    QStringList points;
    QString labels;
    for (int i = 0; i < hourly.size(); ++i) {
        const double x = 40 + i * (width - 80.0) / (hourly.size() - 1);
        const double y = height - 40 - (hourly[i] - low) / span * (height - 90);
        points.append(QStringLiteral("%1,%2").arg(x, 0, 'f', 1).arg(y, 0, 'f', 1));
        if (i % 3 == 0)
            labels += QStringLiteral("<text x='%1' y='%2' fill='#fff' font-size='18' "
                                     "text-anchor='middle'>%3&#176;</text>")
                          .arg(x, 0, 'f', 1)
                          .arg(y - 12, 0, 'f', 1)
                          .arg(qRound(hourly[i]));
    }
    return QStringLiteral("<svg width='%1' height='%2'><polyline points='%3' fill='none' "
                          "stroke='#ffd23f' stroke-width='4'/>%4</svg>")
        .arg(width)
        .arg(height)
        .arg(points.join(QLatin1Char(' ')), labels);
}

} // namespace

QByteArray ForecastPage(const QString& town, const QString& place, const QDateTime& when) {
    const QString shownTown = town.trimmed().isEmpty() ? QStringLiteral("your town") : town;
    // The same town gets the same forecast all day.
    const quint32 seed =
        qHash(shownTown.toLower()) ^ static_cast<quint32>(when.date().toJulianDay());
    QString html = PageStart(QStringLiteral("Forecast for ") + shownTown);
    html += Header(QStringLiteral("Weather forecast for ") + shownTown,
                   place.trimmed().isEmpty() ? QStringLiteral("Nimbrisco demo forecast")
                                             : place + QStringLiteral(" - Nimbrisco demo forecast"),
                   when);
    html += QStringLiteral("<div class=\"days\">\n");
    const QLocale english(QLocale::English);
    for (int day = 0; day < 5; ++day) {
        const double n = SmoothNoise(day * 0.7, 0.5, seed);
        const Sky sky = n < 0.4 ? Sky::Sun : n < 0.6 ? Sky::Cloud : Sky::Rain;
        const int high = 10 + qRound(SmoothNoise(day * 0.9, 1.5, seed) * 18);
        const int low = high - 5 - qRound(SmoothNoise(day * 0.9, 2.5, seed) * 6);
        html += QStringLiteral("<div class=\"day\"><div>%1</div>%2<div class=\"hi\">%3&#176;</div>"
                               "<div class=\"lo\">%4&#176;</div></div>\n")
                    .arg(english.dayName(when.date().addDays(day).dayOfWeek()))
                    .arg(SkyIcon(sky))
                    .arg(high)
                    .arg(low);
    }
    html += QStringLiteral("</div>\n<main><p>Next 24 hours</p>\n");
    QList<double> hourly;
    const int hour = when.time().hour();
    for (int h = 0; h <= 24; ++h)
        hourly.append(12 + 7 * std::sin((hour + h - 9) / 24.0 * 2 * M_PI) +
                      (SmoothNoise(h * 0.3, 3.5, seed) - 0.5) * 4);
    html += TemperatureCurve(hourly);
    html += QStringLiteral("\n</main></body></html>\n");
    return html.toUtf8();
}

QByteArray BulletinPage(const QString& base, const QDateTime& when) {
    QString html = PageStart(QStringLiteral("Nimbrisco demo bulletin"));
    html += Header(QStringLiteral("Weather bulletin"), QStringLiteral("Nimbrisco demo page"), when);
    html += QStringLiteral(
                "<main><p>A low over the north-west brings rain bands eastwards during the day; "
                "a high in the south keeps skies clear there. Winds moderate, stronger near the "
                "coasts. Issued %1.</p>\n<img src=\"%2/demo/satellite.jpg\" width=\"900\" "
                "alt=\"satellite picture\"></main></body></html>\n")
                .arg(StampText(when), base.toHtmlEscaped());
    return html.toUtf8();
}

QByteArray ScriptPage(const QString& base, const QDateTime& when) {
    const QString escapedBase = base.toHtmlEscaped();
    QString html = PageStart(QStringLiteral("Nimbrisco demo station"));
    html += QStringLiteral("<main><img src=\"%1/demo/station.gif\" alt=\"station report\">\n"
                           "<p>Station report built at %2.</p>\n"
                           "<table><tr><td>Source</td><td>Nimbrisco demo station</td></tr>"
                           "<tr><td>Next report</td><td>in 10 minutes</td></tr></table>\n"
                           "<img src=\"%1/demo/temperature.png\" width=\"400\" alt=\"map\">"
                           "</main></body></html>\n")
                .arg(escapedBase, StampText(when));
    return html.toUtf8();
}

} // namespace catalogueservice::demo
