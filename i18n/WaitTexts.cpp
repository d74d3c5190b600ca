#include "i18n/WaitTexts.h"

#include "i18n/TextTables.h"

namespace waittexts {

namespace {

QString pick(const i18n::FourLanguageRow& row, Integer lingua) {
    return i18n::fourLanguage(row, lingua).value_or(QString());
}

} // namespace

QString connectionWait(Integer lingua) {
    return pick(i18n::kConnectionWait, lingua);
}

QString connectionRetry(Integer lingua) {
    return pick(i18n::kConnectionRetry, lingua);
}

QString downloadProgress(Integer lingua, Integer count, Integer total) {
    const QString phrase = pick(i18n::kProgressPhrase, lingua);
    if (phrase.isNull())
        return phrase;
    return phrase + QLatin1Char(' ') + QString::number(count) + pick(i18n::kProgressOf, lingua) +
           QString::number(total);
}

} // namespace waittexts
