#pragma once
// The language file: which language the user chose.

#include "i18n/LanguageFile.h"

#include <QString>

struct AppState;
class Language;

class LanguageSettings : public LanguageFile {
public:
    static inline const QString kLanguageFile = QStringLiteral("Nimbrisco7_Language.dat");

    LanguageSettings(AppState& state, Language& language) : state_(state), language_(language) {}

    void WriteLanguageFile() override;
    // False when the file is missing or holds no language code 1..4; Lingua is then left as it
    // was.
    bool ReadLanguageFile() override;

private:
    QString filePath() const;

    AppState& state_;
    Language& language_;
};
