#include "base/ItemCodes.h"

namespace {

// The characters after the first space at or beyond `from`, up to the next space or the end;
// nothing when no space follows `from`.
QString wordAfterSpace(const QString& text, int from) {
    const int space = text.indexOf(QLatin1Char(' '), from);
    if (space < 0)
        return QString();
    const int start = space + 1;
    const int end = text.indexOf(QLatin1Char(' '), start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

QString CollectionCodeOf(const QString& itemText) {
    return wordAfterSpace(itemText, 5).remove(QLatin1Char('-'));
}

QString ListCodeOf(const QString& itemText) {
    return wordAfterSpace(itemText, 3);
}
