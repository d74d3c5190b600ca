#include "platform/qt/QtUrlDownloader.h"

#include "platform/qt/BoundedFetch.h"

#include <QNetworkProxyFactory>
#include <QSaveFile>

namespace platform {
namespace {

// The system's proxy settings for this manager only: switching them on application-wide
// would also change the HTTP control, which follows the user's own connection choice.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

} // namespace

QtUrlDownloader::QtUrlDownloader(int timeoutMs, qint64 maxBytes)
    : timeoutMs_(timeoutMs), maxBytes_(maxBytes) {
    manager_.setProxyFactory(new SystemProxyFactory);
    // Picture hosts move files around; refusing only https -> http keeps it safe.
    manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

bool QtUrlDownloader::downloadToFile(const QString& url, const QString& localPath) {
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    const FetchResult fetched = fetchBounded(manager_, request, timeoutMs_, maxBytes_);
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
