#include "base/SiteAddress.h"

#include <QUrl>

QString siteRootOf(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.host().isEmpty())
        return QString();
    return url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                        QUrl::RemoveUserInfo)
               .toString() +
           QLatin1Char('/');
}
