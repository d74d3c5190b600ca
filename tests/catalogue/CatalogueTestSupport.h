#pragma once
// A window in a temporary portable root talking to a loopback HTTP server that plays the
// catalogue service and the picture sources.

#include "FormFixture.h"
#include "LoopbackHttpServer.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QImage>
#include <QStringList>
#include <QUrl>

// A picture file of `format` ("PNG", "JPG", "GIF": a two-frame loop) in one colour.
inline QByteArray pictureBytes(const char* format, QColor colour, QSize size = QSize(64, 48)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (QByteArray(format) == "GIF") {
        catalogueservice::GifFrame first;
        first.image = catalogueservice::ToDemoPalette(image);
        catalogueservice::GifFrame second;
        image.fill(colour.darker());
        second.image = catalogueservice::ToDemoPalette(image);
        return catalogueservice::WriteAnimatedGif(size, catalogueservice::DemoGifPalette(),
                                                  {first, second});
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class CatalogueFixture : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        ASSERT_TRUE(server.isListening());
        state().endpointBase = server.url(QStringLiteral("/nimbrisco/catalogue?"));
        state().versionText = QStringLiteral("ZEP-V1.0-2000-");
        state().aniGifTag = QStringLiteral("_ANIGIF_");
        // Every fake sleep lets loopback I/O run for a real millisecond.
        clock().realWaitMs = 1;
    }

    // The address of a catalogue request with `selectorPart`.
    QString request(const QString& selectorPart) const {
        return server.url(QStringLiteral("/nimbrisco/catalogue?")) + selectorPart +
               QStringLiteral("&x00=y3333ZEP-V1.0-2000-");
    }

    // Answers catalogue requests whose selector code is `code` with `body`.
    void answer(const QString& code, const QByteArray& body) {
        replies[code] = body;
        server.route(QStringLiteral("/nimbrisco/catalogue"),
                     [this](const testsupport::HttpRequest& r) {
                         const QString query = decodedQuery(r);
                         for (auto it = replies.cbegin(); it != replies.cend(); ++it) {
                             if (query.startsWith(QStringLiteral("p=1&x00=") + it.key()))
                                 return testsupport::HttpResponse::ok(it.value());
                         }
                         return testsupport::HttpResponse::ok("<P>ERR no such list<P>");
                     });
    }

    static QString decodedQuery(const testsupport::HttpRequest& r) {
        return QUrl::fromPercentEncoding(r.query.toLatin1());
    }

    // The selector codes (with their payloads) of the catalogue requests so far, in order;
    // other requests appear as their path.
    QStringList requestLog() const {
        QStringList log;
        for (const testsupport::HttpRequest& r : server.requests()) {
            if (r.path != QLatin1String("/nimbrisco/catalogue")) {
                log << r.path;
                continue;
            }
            QString query = decodedQuery(r);
            query.remove(QStringLiteral("p=1&x00="));
            query.remove(QStringLiteral("&x00=y3333ZEP-V1.0-2000-"));
            log << query;
        }
        return log;
    }

    // Serves a picture file at `path`.
    void servePicture(const QString& path, const char* format, QColor colour) {
        server.route(path, testsupport::HttpResponse::ok(pictureBytes(format, colour),
                                                         "application/octet-stream"));
    }

    testsupport::LoopbackHttpServer server;
    QHash<QString, QByteArray> replies;
};
