#include "platform/qt/QtUrlDownloader.h"

#include "platform/qt/BoundedFetch.h"
#include "platform/qt/ProxyChoice.h"

#include <QSaveFile>

namespace platform {
QtUrlDownloader::QtUrlDownloader(int timeoutMs, qint64 maxBytes, const Ending* ending)
    : timeoutMs_(timeoutMs), maxBytes_(maxBytes), ending_(ending) {
    // The system's proxy settings for this manager only: switching them on application-wide
    // would also change the HTTP control, which follows the user's own connection choice.
    manager_.setProxyFactory(new ProxyChoice(&QNetworkProxyFactory::systemProxyForQuery));
    // Picture hosts move files around; refusing only https -> http keeps it safe.
    manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

bool QtUrlDownloader::downloadToFile(const QString& url, const QString& localPath) {
    return downloadBounded(url, localPath, timeoutMs_, maxBytes_);
}

bool QtUrlDownloader::downloadBounded(const QString& url, const QString& localPath, int timeoutMs,
                                      qint64 maxBytes) {
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    const FetchResult fetched = fetchBounded(manager_, request, qMin(timeoutMs, timeoutMs_),
                                             qMin(maxBytes, maxBytes_), ending_);
    if (!fetched.ok)
        return false;
    // Written beside the target and renamed over it, so a failure leaves the old picture.
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(fetched.body) != fetched.body.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
