#include "base/DownloadLimit.h"

#include "base/NumericText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace downloadlimit {

namespace {

constexpr double kCounterMin = std::numeric_limits<Long>::min();
constexpr double kCounterMax = std::numeric_limits<Long>::max();
// Room above the highest limit for the connection indicator's push past it.
constexpr double kHighestLimit = kCounterMax - 1000;

Long toCounter(double value) {
    return static_cast<Long>(std::nearbyint(std::clamp(value, kCounterMin, kCounterMax)));
}

} // namespace

double limit(const QString& minutesText) {
    const double product = std::clamp(numericValue(minutesText) * 30.0, kCounterMin, kHighestLimit);
    return numericValue(QString::number(product, 'g', 15));
}

Long advance(Long counter, const QString& slideSecondsText) {
    return toCounter(double(counter) + numericValue(slideSecondsText));
}

Long aboveLimit(const QString& minutesText, double margin) {
    return toCounter(limit(minutesText) + margin);
}

bool passDue(Long counter, const QString& minutesText) {
    return double(counter) > limit(minutesText);
}

} // namespace downloadlimit
