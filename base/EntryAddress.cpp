#include "base/EntryAddress.h"

#include <QUrl>

namespace catalogue {

namespace {

// The characters before a series' base address: the kind digit and the rest of "http://".
constexpr int kSeriesPrefix = 7;
constexpr int kPlaceholderLength = 5; // "<p01>"
// Zero padding beyond this is no address anyone serves; it only guards memory.
constexpr int kMaxDigits = 64;

// The town field a placeholder at `pos` names, or -1 when none starts there.
int placeholderField(const QString& text, int pos) {
    const QString candidate = text.mid(pos, kPlaceholderLength);
    if (candidate.size() != kPlaceholderLength || !candidate.startsWith(QLatin1String("<p")) ||
        candidate[4] != QLatin1Char('>') || !candidate[2].isDigit() || !candidate[3].isDigit())
        return -1;
    const int number = candidate.mid(2, 2).toInt();
    return number >= 1 && number <= kTownFields ? number - 1 : -1;
}

long long numberField(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

bool isWebAddress(const QString& address) {
    const QString scheme = QUrl(address.trimmed()).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QString restoredAddress(const QString& entry) {
    return QLatin1Char('h') + entry.mid(1);
}

QString townPageAddress(const QString& entry, const std::array<QString, kTownFields>& fields) {
    QString address = QStringLiteral("h");
    for (int p = 1; p < entry.size(); ++p) {
        const int field = entry[p] == QLatin1Char('<') ? placeholderField(entry, p) : -1;
        if (field < 0) {
            address += entry[p];
            continue;
        }
        address += fields[static_cast<std::size_t>(field)];
        p += kPlaceholderLength - 1;
    }
    return address;
}

QString ImageSeries::address(long long number) const {
    return QStringLiteral("http://") + base +
           QString::number(number).rightJustified(qBound(0, digits, kMaxDigits), QLatin1Char('0')) +
           suffix;
}

bool parseImageSeries(const QString& entry, ImageSeries& series, int& steps) {
    const QString rest = entry.mid(kSeriesPrefix);
    steps = 1;
    // The separators in the order the fields are written.
    const QChar separators[] = {QLatin1Char('*'), QLatin1Char(','), QLatin1Char(','),
                                QLatin1Char(','), QLatin1Char(',')};
    QString fields[6];
    int field = 0;
    for (const QChar c : rest) {
        ++steps;
        if (field < 5 && c == separators[field])
            ++field;
        else
            fields[field] += c;
    }
    if (field < 5)
        return false;
    series.base = fields[0];
    series.suffix = fields[1];
    series.first = numberField(fields[2]);
    series.step = numberField(fields[3]);
    series.count = numberField(fields[4]);
    series.digits = static_cast<int>(qBound(0LL, numberField(fields[5]), 1000LL));
    return true;
}

} // namespace catalogue
