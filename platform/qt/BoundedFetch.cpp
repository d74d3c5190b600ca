#include "platform/qt/BoundedFetch.h"

#include "platform/Ending.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

namespace platform {

bool replySucceeded(const QNetworkReply& reply) {
    if (reply.error() != QNetworkReply::NoError)
        return false;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // Non-HTTP schemes (file:, data:) carry no status.
    if (!status.isValid())
        return true;
    const int code = status.toInt();
    return code >= 200 && code < 300;
}

FetchResult fetchBounded(QNetworkAccessManager& manager, const QNetworkRequest& request,
                         int timeoutMs, qint64 maxBytes, const Ending* ending) {
    if (ending && ending->requested())
        return {};
    QPointer<QNetworkReply> reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QByteArray body;
    bool givenUp = false;

    auto giveUp = [&] {
        givenUp = true;
        if (reply)
            reply->abort();
    };
    auto take = [&] {
        if (!reply || givenUp)
            return;
        body += reply->readAll();
        if (body.size() > maxBytes)
            giveUp();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        // Refuse an oversized body before it is sent, when the server announces its size.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes)
            giveUp();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The manager may go away while the loop runs (its owner closed): stop waiting then.
    QObject::connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, giveUp);
    if (ending)
        QObject::connect(ending, &Ending::started, &loop, giveUp);
    timer.start(qMax(0, timeoutMs));
    if (reply && !reply->isFinished())
        loop.exec();
    timer.stop();

    FetchResult result;
    if (!reply)
        return result;
    take();
    // An unfinished reply has neither an error nor a status yet: it must not pass for a whole
    // body.
    result.ok = !givenUp && reply->isFinished() && replySucceeded(*reply);
    if (result.ok)
        result.body = std::move(body);
    reply->disconnect(&loop);
    if (!reply->isFinished())
        reply->abort();
    reply->deleteLater();
    return result;
}

} // namespace platform
