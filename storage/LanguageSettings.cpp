#include "storage/LanguageSettings.h"

#include "core/FormPicture.h"
#include "i18n/Language.h"
#include "platform/ScreenPlacement.h"
#include "platform/TwipsGeometry.h"
#include "storage/TextFile.h"

#include <QGroupBox>
#include <QTabWidget>

namespace {

constexpr Integer kNoLanguage = 999;
// The frame stands this far above and to the left of the panel's corner.
constexpr int kFrameOffsetTwips = 250;
constexpr int kWaitStepMs = 200;

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
    return form_.state.WORK_PATH_FILE_LIST + kLanguageFile;
}

void LanguageSettings::StartupLanguage() {
    // A file without a number is no choice at all: ask as on a first start.
    if (!ReadLanguageFile()) {
        ChooseLanguage();
        ReadLanguageFile();
    }
    form_.language().ApplyLanguage();
    form_.helpFilePath = form_.state.appPath + QStringLiteral("/Nimbrisco.html");
}

void LanguageSettings::ChooseLanguage() {
    QGroupBox* frame = form_.languageFrame.Frame_Select_Language;
    const platform::Units u = form_.units();
    platform::twips::move(frame, u,
                          platform::twips::left(form_.panel.SSTCfg, u) - kFrameOffsetTwips,
                          platform::twips::top(form_.panel.SSTCfg, u) - kFrameOffsetTwips);
    platform::keepOnScreen(frame, form_.platform().screen->sizePixels());
    frame->raise();
    frame->show();
    form_.show();
    // The frame's options set Lingua. Closing the window ends the wait without a choice.
    platform::waitUntil(
        form_.clock(), *form_.platform().ending,
        [this] { return form_.state.Lingua != kNoLanguage || form_.state.ExitToProgram != 0; }, -1,
        kWaitStepMs);
    frame->hide();
    if (form_.state.Lingua != kNoLanguage)
        WriteLanguageFile();
}

void LanguageSettings::WriteLanguageFile() {
    const Integer code = form_.state.Lingua;
    // A blank stands where a minus sign would.
    const QByteArray text = (code >= 0 ? QByteArray(" ") : QByteArray()) + QByteArray::number(code);
    // Unsaved, the choice is asked for again at every start: say why.
    if (!storage::writeFileAtomically(filePath(), text))
        form_.language().MsgConfigWriteError({filePath()});
}

bool LanguageSettings::ReadLanguageFile() {
    QByteArray bytes;
    Integer code = 0;
    // Only the four languages are a choice: with any other code every message of the program
    // would stay silent, a failed save included.
    if (!storage::readAllBytes(filePath(), bytes) || !leadingNumber(bytes, code) || code < 1 ||
        code > 4)
        return false;
    form_.state.Lingua = code;
    return true;
}
