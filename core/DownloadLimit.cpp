#include "core/DownloadLimit.h"

#include "core/NumericText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace downloadlimit {

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
