// One line per request served: local time, method, path with query, status.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

namespace catalogueservice {

class RequestLog {
public:
    // Appends to path (created when missing). False with a reason when it cannot be opened.
    bool openFile(const QString& path, QString& error);
    void setEchoToStderr(bool echo) { echoToStderr_ = echo; }

    void record(const QDateTime& when, const QByteArray& method, const QString& target, int status);

    static QString formatLine(const QDateTime& when, const QByteArray& method,
                              const QString& target, int status);

private:
    QFile file_;
    bool echoToStderr_ = true;
};

} // namespace catalogueservice
