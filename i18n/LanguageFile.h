#pragma once
// Where the chosen language is kept: the language choice reads and writes it through this, and
// the settings storage provides it.

class LanguageFile {
public:
    virtual ~LanguageFile() = default;
    // Sets Lingua from the file; false when there is no usable choice in it.
    virtual bool ReadLanguageFile() = 0;
    // Stores Lingua; a failure is reported to the user.
    virtual void WriteLanguageFile() = 0;
};
