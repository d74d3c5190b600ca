#include "core/DownloadLimit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace downloadlimit {

double numericValue(const QString& text) {
    QString number;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        const QChar last = number.isEmpty() ? QChar() : number.back();
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (number.isEmpty() || last == QLatin1Char('e'))) {
        } else if (c == QLatin1Char('.') && !point && !exponent) {
            point = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') ||
                    c == QLatin1Char('D')) &&
                   digits && !exponent) {
            exponent = true;
            number += QLatin1Char('e');
            continue;
        } else {
            break;
        }
        number += c;
    }
    // A dangling sign, point or exponent mark ends the number before it.
    while (!number.isEmpty() && !number.back().isDigit())
        number.chop(1);
    if (!digits || number.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

double limit(const QString& minutesText) {
    const double product = numericValue(minutesText) * 30.0;
    return numericValue(QString::number(product, 'g', 15));
}

Long advance(Long counter, const QString& slideSecondsText) {
    const double sum = double(counter) + numericValue(slideSecondsText);
    constexpr double lo = std::numeric_limits<Long>::min();
    constexpr double hi = std::numeric_limits<Long>::max();
    return static_cast<Long>(std::nearbyint(std::clamp(sum, lo, hi)));
}

bool passDue(Long counter, const QString& minutesText) {
    return double(counter) > limit(minutesText);
}

} // namespace downloadlimit
