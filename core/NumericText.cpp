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
