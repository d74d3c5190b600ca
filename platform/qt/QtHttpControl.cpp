#include "platform/qt/QtHttpControl.h"

#include "platform/Ending.h"

#include "platform/qt/BoundedFetch.h"
#include "platform/qt/ProxyChoice.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>

namespace platform {
namespace {

// The port proxies usually listen on, for a host typed without a usable port.
constexpr int kDefaultProxyPort = 80;

} // namespace

QtHttpControl::QtHttpControl(QObject* parent, const Ending* ending)
    : HttpControl(parent), manager_(new QNetworkAccessManager(this)), ending_(ending) {
    timeout_.setSingleShot(true);
    if (ending_)
        connect(ending_, &Ending::started, this, &QtHttpControl::Cancel);
    connect(&timeout_, &QTimer::timeout, this, &QtHttpControl::onTimeout);
    manager_->setProxyFactory(new ProxyChoice([this](const QNetworkProxyQuery& query) {
        // Without a host of its own the control follows the application's proxy setting,
        // which is a direct connection unless the application sets one.
        if (proxyHost_.trimmed().isEmpty())
            return QNetworkProxyFactory::proxyForQuery(query);
        const int port = proxyPort_ > 0 && proxyPort_ <= 65535 ? proxyPort_ : kDefaultProxyPort;
        return QList<QNetworkProxy>{QNetworkProxy(QNetworkProxy::HttpProxy, proxyHost_.trimmed(),
                                                  static_cast<quint16>(port), userName_,
                                                  password_)};
    }));
}

QtHttpControl::~QtHttpControl() {
    Cancel();
}

QNetworkRequest QtHttpControl::prepareRequest(const QString& url) const {
    QNetworkRequest request{QUrl(url)};
    // Replies change from one request to the next (catalogue answers, probes).
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    return request;
}

void QtHttpControl::Execute(const QString& url) {
    Cancel();
    body_.clear();
    chunk_.clear();
    failed_ = false;
    timedOut_ = false;
    if (ending_ && ending_->requested()) {
        failed_ = true;
        return;
    }

    QNetworkReply* reply = manager_->get(prepareRequest(url));
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { takeBody(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
    timeout_.start(qMax(0, timeoutMs_));
}

void QtHttpControl::takeBody(QNetworkReply* reply) {
    // Only the first characters can ever be read; the rest is drained and dropped so that a
    // huge reply does not grow memory.
    if (!reply->isOpen())
        return;
    const QByteArray data = reply->readAll();
    const qsizetype room = kMaxChunkChars - body_.size();
    if (room > 0)
        body_ += data.left(room);
}

void QtHttpControl::onFinished(QNetworkReply* reply) {
    if (reply != reply_)
        return;
    timeout_.stop();
    reply_ = nullptr;
    takeBody(reply);
    failed_ = timedOut_ || !replySucceeded(*reply);
    // Latin-1 maps every byte 0..255 to the character of the same code.
    chunk_ = failed_ ? QString() : QString::fromLatin1(body_);
    body_.clear();
    reply->disconnect(this);
    reply->deleteLater();
    emit StateChanged(icResponseCompleted);
}

void QtHttpControl::onTimeout() {
    if (!reply_)
        return;
    timedOut_ = true;
    // Aborting finishes the reply, which reports the completion as a failure.
    reply_->abort();
}

void QtHttpControl::Cancel() {
    timeout_.stop();
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

QByteArray QtHttpControl::OpenURL(const QString& url, qint64 maxBytes) {
    return fetchBounded(*manager_, prepareRequest(url), timeoutMs_, maxBytes, ending_).body;
}

} // namespace platform
