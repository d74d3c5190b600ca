#pragma once
// The HTTP control `Inet1`: one asynchronous GET at a time with a completion event, the
// reply body read as text, a synchronous byte fetch, and proxy settings.

#include <QByteArray>
#include <QObject>
#include <QString>

namespace platform {

class HttpControl : public QObject {
    Q_OBJECT
public:
    // The state reported when a request has completed (with or without an error).
    static constexpr int icResponseCompleted = 12;
    // The most characters one read of the body returns.
    static constexpr int kMaxChunkChars = 200000;

    using QObject::QObject;

    // Starts a GET of `url`; a request still running is cancelled first. `StateChanged`
    // with `icResponseCompleted` follows, also for a failure or a time-out.
    virtual void Execute(const QString& url) = 0;
    // True while a request started by Execute has not completed.
    virtual bool StillExecuting() const = 0;
    // The body of the completed request as Latin-1 text, at most kMaxChunkChars characters;
    // empty after a transport error, a time-out or an HTTP error status.
    virtual QString GetChunk() const = 0;
    // True when the last completed request failed (transport error, time-out, HTTP error).
    virtual bool LastRequestFailed() const = 0;
    // Cancels the running request (no completion event follows).
    virtual void Cancel() = 0;

    // Fetches `url` and returns its bytes; runs the event loop while it waits and gives up
    // after the request time-out or beyond `maxBytes`. Empty on any failure.
    virtual QByteArray OpenURL(const QString& url, qint64 maxBytes = 64 * 1024 * 1024) = 0;

    // Proxy settings; an empty Proxy means a direct connection.
    virtual void setProxy(const QString& host) = 0;
    virtual QString Proxy() const = 0;
    virtual void setProxyPort(int port) = 0;
    virtual int ProxyPort() const = 0;
    virtual void setUserName(const QString& user) = 0;
    virtual QString UserName() const = 0;
    virtual void setPassword(const QString& password) = 0;
    virtual QString Password() const = 0;

    // Upper bound of one request in milliseconds.
    virtual void setRequestTimeout(int ms) = 0;
    virtual int RequestTimeout() const = 0;

signals:
    void StateChanged(int state);
};

} // namespace platform
