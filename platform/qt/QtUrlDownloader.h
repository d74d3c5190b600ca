#pragma once
// Downloads to a file over its own QNetworkAccessManager, with the system's proxy settings.

#include "platform/UrlDownloader.h"

#include <QNetworkAccessManager>

namespace platform {

class Ending;

class QtUrlDownloader : public UrlDownloader {
public:
    static constexpr int kDefaultTimeoutMs = 60000;
    static constexpr qint64 kDefaultMaxBytes = 64LL * 1024 * 1024;

    // Once `ending` has been requested, a download in flight is aborted and none starts.
    explicit QtUrlDownloader(int timeoutMs = kDefaultTimeoutMs, qint64 maxBytes = kDefaultMaxBytes,
                             const Ending* ending = nullptr);

    bool downloadToFile(const QString& url, const QString& localPath) override;
    bool downloadBounded(const QString& url, const QString& localPath, int timeoutMs,
                         qint64 maxBytes) override;

private:
    QNetworkAccessManager manager_;
    int timeoutMs_;
    qint64 maxBytes_;
    const Ending* ending_;
};

} // namespace platform
