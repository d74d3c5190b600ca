#include "core/WaitTexts.h"

#include <array>

namespace waittexts {

namespace {

using Row = std::array<const char*, 4>;

constexpr Row kWait = {
    "Waiting for Internet connection (have to be active!).....",
    "Attesa di connessione ad Internet (deve essere attiva).....",
    "Attente de la connexion à Internet (doit être active !).....",
    "Espera de conexión a Internet (tiene que ser activa!).....",
};

constexpr Row kRetry = {
    "Waiting Internet Connection......??????",
    "Attesa di connessione ad Internet.....??????",
    "Attente de la connexion à Internet......??????",
    "Espera de conexión a Internet.....??????",
};

constexpr Row kProgressPhrase = {
    "Loading Pictures from WEB...",
    "Caricamento immagini dal WEB...",
    "Téléchargement des images à partir du web...",
    "Carga imagina del WEB...",
};

constexpr Row kProgressOf = {" of ", " di ", " du ", " de "};

QString pick(const Row& row, Integer lingua) {
    if (lingua < 1 || lingua > 4)
        return QString();
    return QString::fromUtf8(row[static_cast<size_t>(lingua - 1)]);
}

} // namespace

QString connectionWait(Integer lingua) {
    return pick(kWait, lingua);
}

QString connectionRetry(Integer lingua) {
    return pick(kRetry, lingua);
}

QString downloadProgress(Integer lingua, Integer count, Integer total) {
    const QString phrase = pick(kProgressPhrase, lingua);
    if (phrase.isNull())
        return phrase;
    return phrase + QLatin1Char(' ') + QString::number(count) + pick(kProgressOf, lingua) +
           QString::number(total);
}

} // namespace waittexts
