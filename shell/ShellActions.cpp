#include "shell/ShellActions.h"

#include "base/AppState.h"
#include "i18n/TextTables.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr qint32 kErrorBase = -2147220456;

} // namespace

bool shellSucceeded(int resultCode) {
    return resultCode > 32 || resultCode < 0;
}

ShellError shellErrorOf(int code) {
    ShellError e;
    e.source = QCoreApplication::applicationName() + QStringLiteral(".GShell");
    const auto set = [&e](qint32 number, const char* message) {
        e.number = number;
        e.message = QString::fromLatin1(message);
    };
    switch (code) {
    case 0:
    case 8:
        set(7, "Out of memory");
        break;
    case 2:
        set(53, "File not found");
        break;
    case 3:
        set(76, "Path not found");
        break;
    case 5:
        set(75, "Path/file access error");
        break;
    case 11:
        set(kErrorBase + code, "The executable file is invalid or corrupt");
        break;
    case 26:
        set(75, "A sharing violation occurred.");
        break;
    case 27:
        set(kErrorBase + code, "This file type does not have a valid file association.");
        break;
    case 28:
        set(286, "The file could not be opened due to time out.  Please try again in a moment.");
        break;
    case 29:
        set(285, "The file could not be opened because the DDE transaction failed.  Please try "
                 "again in a moment.");
        break;
    case 30:
        set(285, "The file could not be opened because the target application is busy.  Please "
                 "try again in a moment.");
        break;
    case 31:
        set(kErrorBase + code, "No application is associated with this file type.");
        break;
    case 32:
        set(48, "The specified dynamic-link library was not found.");
        break;
    default:
        set(kErrorBase + code,
            "An error occurred occurred whilst trying to open or print the selected file.");
        break;
    }
    return e;
}

Boolean ShellActions::ShellOpen(const QString& document, ShellError* error) {
    const int result = platform_.shell->openDocument(document);
    if (shellSucceeded(result))
        return kTrue;
    if (error)
        *error = shellErrorOf(result);
    return kFalse;
}

void ShellActions::RunTeamViewer_Click() {
    const int lingua = state_.Lingua;
    const bool italian = lingua == 2;
    platform_.messages->showMessage(i18n::twoLanguage(i18n::kMsgRemoteHelp, lingua));
    const QString program = state_.appPath + (italian ? QStringLiteral("/TeamViewer.exe")
                                                      : QStringLiteral("/TeamViewerEng.exe"));
    if (!platform_.shell->startProgram(program, true)) {
        // The remote-help program comes from its own maker; without it the program goes on.
        platform_.messages->showMessage(i18n::twoLanguage(i18n::kMsgRemoteHelpMissing, lingua) +
                                            program,
                                        platform::kAppTitle, platform::MsgIcon::Exclamation);
    }
}
