#pragma once
// A window in a temporary portable root talking to a loopback HTTP server that plays the
// catalogue service and the picture sources.

#include "../slideshow/PictureSamples.h"
#include "FormFixture.h"
#include "LoopbackHttpServer.h"

#include <QStringList>
#include <QUrl>

class CatalogueFixture : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        ASSERT_TRUE(server.isListening());
        state().endpointBase = server.url("/nimbrisco/catalogue?");
        state().versionText = "ZEP-V1.0-2000-";
        state().aniGifTag = "_ANIGIF_";
        // Every fake sleep lets loopback I/O run for a real millisecond.
        clock().realWaitMs = 1;
    }

    // Catalogue requests whose selector code is `code` get `body`.
    void answer(const QString& code, const QByteArray& body) {
        replies[code] = body;
        server.route("/nimbrisco/catalogue", [this](const testsupport::HttpRequest& r) {
            for (auto it = replies.cbegin(); it != replies.cend(); ++it)
                if (decodedQuery(r).startsWith("p=1&x00=" + it.key()))
                    return testsupport::HttpResponse::ok(it.value());
            return testsupport::HttpResponse::ok("<P>ERR no such list<P>");
        });
    }

    static QString decodedQuery(const testsupport::HttpRequest& r) {
        return QUrl::fromPercentEncoding(r.query.toLatin1());
    }

    // The selector codes (with their payloads) of the requests so far; other requests as paths.
    QStringList requestLog() const {
        QStringList log;
        for (const testsupport::HttpRequest& r : server.requests()) {
            QString query = decodedQuery(r).remove("p=1&x00=").remove("&x00=y3333ZEP-V1.0-2000-");
            log << (r.path == "/nimbrisco/catalogue" ? query : r.path);
        }
        return log;
    }

    // The loopback address of `path` with its first letter replaced by the source kind `kind`.
    QString coded(char kind, const QString& path) const {
        return server.url(path).replace(0, 1, QLatin1Char(kind));
    }

    void setCatalogue(const QStringList& entries) {
        state().listURL.clear();
        for (int i = 0; i < entries.size(); ++i)
            state().listURL[i] = entries[i];
    }

    // Serves a 64 x 48 picture in the format its name ends in; ".gif" is a two-frame loop.
    void servePicture(const QString& path) {
        const QByteArray format = path.section('.', -1).toLatin1();
        server.route(path, testsupport::HttpResponse::ok(
                               format == "gif"
                                   ? samples::animatedGif(QSize(64, 48), 2)
                                   : samples::encode(samples::twoColours(QSize(64, 48)), format),
                               "application/octet-stream"));
    }

    testsupport::LoopbackHttpServer server;
    QHash<QString, QByteArray> replies;
};
