#pragma once
// `Inet1` over QNetworkAccessManager.

#include "platform/HttpControl.h"

#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace platform {

class Ending;

class QtHttpControl : public HttpControl {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 30000;

    // Once `ending` has been requested, the running request is cancelled and none starts.
    explicit QtHttpControl(QObject* parent = nullptr, const Ending* ending = nullptr);
    ~QtHttpControl() override;

    void Execute(const QString& url) override;
    bool StillExecuting() const override { return !reply_.isNull(); }
    QString GetChunk() const override { return chunk_; }
    bool LastRequestFailed() const override { return failed_; }
    void Cancel() override;

    QByteArray OpenURL(const QString& url, qint64 maxBytes = 64 * 1024 * 1024) override;

    void setProxy(const QString& host) override { proxyHost_ = host; }
    QString Proxy() const override { return proxyHost_; }
    void setProxyPort(int port) override { proxyPort_ = port; }
    int ProxyPort() const override { return proxyPort_; }
    void setUserName(const QString& user) override { userName_ = user; }
    QString UserName() const override { return userName_; }
    void setPassword(const QString& password) override { password_ = password; }
    QString Password() const override { return password_; }

    // A wait without bound would freeze the program's waits; non-positive means the default.
    void setRequestTimeout(int ms) override { timeoutMs_ = ms > 0 ? ms : kDefaultTimeoutMs; }
    int RequestTimeout() const override { return timeoutMs_; }

private:
    QNetworkRequest prepareRequest(const QString& url) const;
    void takeBody(QNetworkReply* reply);
    void onFinished(QNetworkReply* reply);
    void onTimeout();

    QNetworkAccessManager* manager_;
    const Ending* ending_;
    QPointer<QNetworkReply> reply_;
    QTimer timeout_;
    QByteArray body_;
    QString chunk_;
    bool failed_ = false;
    bool timedOut_ = false;

    QString proxyHost_;
    int proxyPort_ = 0;
    QString userName_;
    QString password_;
    int timeoutMs_ = kDefaultTimeoutMs;
};

} // namespace platform
