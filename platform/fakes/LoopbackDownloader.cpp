#include "platform/fakes/LoopbackDownloader.h"

#include "platform/qt/ProxyChoice.h"

#include <QUrl>

namespace platform {

LoopbackDownloader::LoopbackDownloader(const Ending* ending)
    : real_(QtUrlDownloader::kDefaultTimeoutMs, QtUrlDownloader::kDefaultMaxBytes, ending) {}

bool LoopbackDownloader::allowed(const QString& url) {
    asked << url;
    return isLoopbackHost(QUrl(url).host());
}

bool LoopbackDownloader::downloadToFile(const QString& url, const QString& localPath) {
    return allowed(url) && real_.downloadToFile(url, localPath);
}

bool LoopbackDownloader::downloadBounded(const QString& url, const QString& localPath,
                                         int timeoutMs, qint64 maxBytes) {
    lastTimeoutMs = timeoutMs;
    lastMaxBytes = maxBytes;
    return allowed(url) && real_.downloadBounded(url, localPath, timeoutMs, maxBytes);
}

} // namespace platform
