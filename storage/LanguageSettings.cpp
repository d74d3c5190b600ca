#include "storage/LanguageSettings.h"

#include "base/AppState.h"
#include "i18n/Language.h"
#include "storage/TextFile.h"

namespace {

// The number at the start of `bytes` (after blanks and line ends), as the language file holds it.
bool leadingNumber(const QByteArray& bytes, Integer& number) {
    int pos = 0;
    while (pos < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[pos]))
        ++pos;
    int end = pos;
    if (end < bytes.size() && (bytes[end] == '-' || bytes[end] == '+'))
        ++end;
    while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
        ++end;
    bool ok = false;
    const short value = bytes.mid(pos, end - pos).toShort(&ok);
    if (ok)
        number = value;
    return ok;
}

} // namespace

QString LanguageSettings::filePath() const {
    return state_.WORK_PATH_FILE_LIST + kLanguageFile;
}

void LanguageSettings::WriteLanguageFile() {
    const Integer code = state_.Lingua;
    // A blank stands where a minus sign would.
    const QByteArray text = (code >= 0 ? QByteArray(" ") : QByteArray()) + QByteArray::number(code);
    // Unsaved, the choice is asked for again at every start: say why.
    if (!storage::writeFileAtomically(filePath(), text))
        language_.MsgConfigWriteError({filePath()});
}

bool LanguageSettings::ReadLanguageFile() {
    QByteArray bytes;
    Integer code = 0;
    // Only the four languages are a choice: with any other code every message of the program
    // would stay silent, a failed save included.
    if (!storage::readAllBytes(filePath(), bytes) || !leadingNumber(bytes, code) || code < 1 ||
        code > 4)
        return false;
    state_.Lingua = code;
    return true;
}
