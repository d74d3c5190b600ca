#include "RequestLog.h"

#include <cstdio>

namespace catalogueservice {

bool RequestLog::openFile(const QString& path, QString& error) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        error = QStringLiteral("cannot open the log %1: %2").arg(path, file_.errorString());
        return false;
    }
    return true;
}

QString RequestLog::formatLine(const QDateTime& when, const QByteArray& method,
                               const QString& target, int status) {
    // Control characters in a target would let a client forge log lines.
    QString safeTarget = target;
    for (QChar& c : safeTarget) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    return QStringLiteral("%1 %2 %3 %4")
        .arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")), QString::fromLatin1(method),
             safeTarget)
        .arg(status);
}

void RequestLog::record(const QDateTime& when, const QByteArray& method, const QString& target,
                        int status) {
    const QByteArray line = formatLine(when, method, target, status).toUtf8() + '\n';
    if (file_.isOpen()) {
        file_.write(line);
        file_.flush();
    }
    if (echoToStderr_) {
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
        std::fflush(stderr);
    }
}

} // namespace catalogueservice
