#include "base/ReplyItems.h"

#include <QLocale>
#include <cmath>

namespace catalogue {

namespace {

const QString kSeparator = QStringLiteral("<P>");
const QString kErrorMark = QStringLiteral("ERR");
const QString kMessageMark = QStringLiteral("outmsg");
// "outmsg", one separator character, then at least one character of text.
constexpr int kShortestMessageItem = 8;

// A whole text as a finite number (C locale, blanks around it allowed).
bool parseNumber(const QString& text, double& value) {
    bool ok = false;
    value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

Integer roundedInteger(double value) {
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        return 0;
    return static_cast<Integer>(r);
}

} // namespace

QStringList cutReplyItems(const QString& reply) {
    QStringList items;
    int from = reply.indexOf(kSeparator, 0, Qt::CaseInsensitive);
    while (from >= 0 && items.size() < kMaxReplyItems) {
        const int start = from + kSeparator.size();
        const int next = reply.indexOf(kSeparator, start, Qt::CaseInsensitive);
        if (next < 0)
            break;
        items.append(reply.mid(start, next - start));
        from = next;
    }
    return items;
}

bool replyIsError(const QStringList& items) {
    for (const QString& item : items) {
        if (item.startsWith(kErrorMark, Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString userMessageFrom(const QString& item, const QString& current) {
    if (item.size() < kShortestMessageItem)
        return current;
    if (!item.startsWith(kMessageMark, Qt::CaseSensitive))
        return QString();
    return item.mid(kMessageMark.size() + 1);
}

Integer identifierFrom(const QString& item) {
    double value = 0;
    return parseNumber(item, value) ? roundedInteger(value) : Integer(0);
}

QString nameAfterLastSlash(const QString& s) {
    return s.mid(s.lastIndexOf(QLatin1Char('/')) + 1);
}

QList<SelectionPair> selectionPairs(const QStringList& lines) {
    QList<SelectionPair> pairs;
    for (int i = 0; i < lines.size() && !lines[i].isEmpty(); i += 2) {
        const SelectionPair pair{lines[i], lines.value(i + 1)};
        pairs.append(pair);
        if (pair.id.isEmpty())
            break;
    }
    return pairs;
}

Integer selectionIndexValue(const SelectionPair& pair) {
    double value = 0;
    if (!parseNumber(pair.position, value))
        value = 0;
    return saturatedInteger(static_cast<long long>(std::nearbyint(qBound(-1e9, value + 1, 1e9))));
}

QString selectionIdList(const QList<SelectionPair>& pairs) {
    QString text = QStringLiteral("[_");
    for (const SelectionPair& pair : pairs)
        text += pair.id + QLatin1Char('_');
    return text + QLatin1Char(']');
}

} // namespace catalogue
