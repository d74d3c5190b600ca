#include "anigif/RemoteGifLoader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace anigif {

RemoteGifLoader::RemoteGifLoader(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)) {}

bool RemoteGifLoader::start(const QString& url) {
    cancel();
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty())
        return false;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::PreferNetwork);
    request.setTransferTimeout(m_timeoutMs);
    m_tooLarge = false;
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64) { onProgress(received); });
    connect(m_reply, &QNetworkReply::finished, this, &RemoteGifLoader::onFinished);
    return true;
}

void RemoteGifLoader::cancel() {
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void RemoteGifLoader::onProgress(qint64 received) {
    // A reply larger than any GIF we would load is cut off before it fills memory.
    if (received > m_maxBytes && m_reply) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void RemoteGifLoader::onFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_tooLarge || reply->error() != QNetworkReply::NoError) {
        emit failed();
        return;
    }
    emit succeeded(reply->readAll());
}

} // namespace anigif
