#include "base/NumericText.h"

#include <QByteArray>
#include <QLocale>
#include <cmath>

namespace {

struct NumberScan {
    double value = 0.0;
    bool whole = false; // every character of the text belongs to the number
};

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isExponentMark(QChar c) {
    return c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') ||
           c == QLatin1Char('D');
}

NumberScan scanNumber(const QString& text) {
    QByteArray number;
    bool digits = false;
    bool point = false;
    bool exponent = false;
    bool exponentDigits = false;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (exponent ? exponentDigits : digits) = true;
            number += char(c.unicode());
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (number.isEmpty() || number.back() == 'e')) {
            number += char(c.unicode());
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !point && !exponent) {
            point = true;
            number += '.';
        } else if (isExponentMark(c) && digits && !exponent) {
            exponent = true;
            number += 'e';
        } else {
            break;
        }
    }
    bool whole = i == text.size();
    // An exponent mark without digits is not part of the number.
    if (exponent && !exponentDigits) {
        number.truncate(number.indexOf('e'));
        whole = false;
    }
    if (!digits)
        return {};
    bool ok = false;
    const double value = QLocale::c().toDouble(QLatin1String(number), &ok);
    if (!ok || !std::isfinite(value))
        return {};
    return {value, whole};
}

} // namespace

double numericValue(const QString& text) {
    return scanNumber(text).value;
}

bool parseNumber(const QString& text, double& value) {
    const NumberScan scan = scanNumber(text);
    value = scan.value;
    return scan.whole;
}
