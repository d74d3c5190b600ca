#pragma once
// One GET whose wait is bounded in time and size, for the callers that wait for the whole body.

#include <QByteArray>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace platform {

class Ending;

struct FetchResult {
    bool ok = false;
    QByteArray body;
};

// Sends `request` and runs a local event loop until the reply is complete. Fails on a
// transport error, a status outside 2xx, after `timeoutMs`, once the body (announced or
// received) exceeds `maxBytes`, when the run is ending, or when the wait ended before the reply
// did (the application quitting ends every local loop); a failed result carries no body.
FetchResult fetchBounded(QNetworkAccessManager& manager, const QNetworkRequest& request,
                         int timeoutMs, qint64 maxBytes, const Ending* ending = nullptr);

// True when a finished reply delivered a usable body: no error and, over HTTP, a 2xx status.
bool replySucceeded(const QNetworkReply& reply);

} // namespace platform
