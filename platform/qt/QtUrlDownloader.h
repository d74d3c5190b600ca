#pragma once
// Downloads to a file over its own QNetworkAccessManager, with the system's proxy settings.

#include "platform/UrlDownloader.h"

#include <QNetworkAccessManager>

namespace platform {

class QtUrlDownloader : public UrlDownloader {
public:
    static constexpr int kDefaultTimeoutMs = 60000;
    static constexpr qint64 kDefaultMaxBytes = 64LL * 1024 * 1024;

    explicit QtUrlDownloader(int timeoutMs = kDefaultTimeoutMs, qint64 maxBytes = kDefaultMaxBytes);

    bool downloadToFile(const QString& url, const QString& localPath) override;

private:
    QNetworkAccessManager manager_;
    int timeoutMs_;
    qint64 maxBytes_;
};

} // namespace platform
