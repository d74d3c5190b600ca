#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool looksLikeUrl(const QString& target) {
    const QUrl url(target.trimmed());
    // A single letter before ':' is a drive name of a foreign path, not a scheme.
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

int QtShell::openDocument(const QString& target) {
    const QString text = target.trimmed();
    if (text.isEmpty())
        return kFileNotFound;
    if (looksLikeUrl(text))
        return QDesktopServices::openUrl(QUrl(text)) ? kOpened : kNoAssociation;
    const QUrl given(text);
    const QString path = given.isLocalFile() ? given.toLocalFile() : text;
    if (!QFileInfo::exists(path))
        return kFileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))
               ? kOpened
               : kNoAssociation;
}

bool QtShell::startProgram(const QString& program, bool /*minimized*/) {
    const QFileInfo file(program);
    if (!file.isFile() || !file.isExecutable())
        return false;
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
}

} // namespace platform
