#pragma once
// The language file: which language the user chose.

#include <QString>

class FormPicture;

class LanguageSettings {
public:
    static inline const QString kLanguageFile = QStringLiteral("Nimbrisco7_Language.dat");

    explicit LanguageSettings(FormPicture& form) : form_(form) {}

    void StartupLanguage();
    void ChooseLanguage();
    void WriteLanguageFile();
    // False when the file is missing or holds no language code 1..4; Lingua is then left as it
    // was.
    bool ReadLanguageFile();

private:
    QString filePath() const;

    FormPicture& form_;
};
