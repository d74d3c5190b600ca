#pragma once
// The real downloader for tests, held to this machine: an address whose host is not a loopback
// one fails at once without a request, so that a test never reaches the maker's site.

#include "platform/qt/QtUrlDownloader.h"

#include <QStringList>

namespace platform {

class LoopbackDownloader : public UrlDownloader {
public:
    explicit LoopbackDownloader(const Ending* ending);

    bool downloadToFile(const QString& url, const QString& localPath) override;
    bool downloadBounded(const QString& url, const QString& localPath, int timeoutMs,
                         qint64 maxBytes) override;

    // Every address asked for, sent or not.
    QStringList asked;
    // The bounds of the last bounded download, in milliseconds and bytes.
    int lastTimeoutMs = 0;
    qint64 lastMaxBytes = 0;

private:
    bool allowed(const QString& url);

    QtUrlDownloader real_;
};

} // namespace platform
