#include "core/NumericText.h"

#include <QLocale>
#include <cmath>

bool parseNumber(const QString& text, double& value) {
    bool ok = false;
    value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

double numericValue(const QString& text) {
    double value = 0;
    return parseNumber(text.trimmed(), value) ? value : 0.0;
}

double downloadLimitSeconds(const QString& downloadMinutesText) {
    return numericValue(QString::number(numericValue(downloadMinutesText) * 30));
}
