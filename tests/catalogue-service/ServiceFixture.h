// A catalogue service started in-process on a free loopback port, a blocking GET and a picture
// reader for tests.
#pragma once

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "RequestLog.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// GET of url over real HTTP (with this Host header when given), waiting (bounded) for the reply.
inline HttpReply HttpGet(const QString& url, const QByteArray& host = {}) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    if (!host.isEmpty())
        request.setRawHeader("Host", host);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(30000))
        return {};
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
}

// Every frame of a picture file, and its format.
inline QList<QImage> Frames(const QByteArray& bytes, QByteArray* format = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (format)
        *format = reader.format();
    QList<QImage> frames;
    for (QImage frame; reader.read(&frame);)
        frames.append(frame);
    return frames;
}

// The demo catalogue as built into the service.
inline catalogueservice::Catalogue DemoCatalogue() {
    catalogueservice::Catalogue catalogue;
    QString error;
    if (!catalogueservice::LoadCatalogueFile(":/catalogues/demo.json", catalogue, error))
        ADD_FAILURE() << error.toStdString();
    return catalogue;
}

class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(log_.openFile(dir_.filePath("requests.log"), error)) << error.toStdString();
        log_.setEchoToStderr(false);
        restartWith(DemoCatalogue());
    }
    // Replaces the running service by one answering from catalogue.
    void restartWith(const catalogueservice::Catalogue& catalogue) {
        server_.reset();
        server_ = std::make_unique<catalogueservice::CatalogueServer>(catalogue, log_);
        port_ = server_->start(QHostAddress::LocalHost, 0);
        ASSERT_NE(port_, 0);
    }
    QString url(const QString& pathAndQuery) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(pathAndQuery);
    }
    HttpReply get(const QString& pathAndQuery) const { return HttpGet(url(pathAndQuery)); }
    // The items of the catalogue reply to `selectorPart`, cut as the client cuts them: between
    // separators, case-insensitive, outer text ignored.
    QStringList ask(const QString& selectorPart) const {
        const HttpReply reply =
            get("/nimbrisco/catalogue?" + selectorPart + "&x00=y3333Nimbrisco_7.8.12P");
        EXPECT_EQ(reply.status, 200);
        const QStringList parts =
            QString::fromLatin1(reply.body).split("<P>", Qt::KeepEmptyParts, Qt::CaseInsensitive);
        return parts.size() < 2 ? QStringList() : parts.mid(1, parts.size() - 2);
    }

    QTemporaryDir dir_;
    catalogueservice::RequestLog log_;
    std::unique_ptr<catalogueservice::CatalogueServer> server_;
    quint16 port_ = 0;
};
