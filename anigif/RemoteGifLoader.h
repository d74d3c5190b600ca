// The control's remote download: one GIF fetched over HTTP, bounded in time and size.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

namespace anigif {

class RemoteGifLoader : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 60000;
    static constexpr qint64 DefaultMaxBytes = qint64(256) << 20;

    explicit RemoteGifLoader(QObject* parent = nullptr);

    // Starts a download, abandoning one still running. False when the address is not usable.
    bool start(const QString& url);
    void cancel();

    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setMaxBytes(qint64 bytes) { m_maxBytes = bytes; }

signals:
    void succeeded(const QByteArray& bytes);
    void failed();

private:
    void onProgress(qint64 received);
    void onFinished();

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    int m_timeoutMs = DefaultTimeoutMs;
    qint64 m_maxBytes = DefaultMaxBytes;
    bool m_tooLarge = false;
};

} // namespace anigif
