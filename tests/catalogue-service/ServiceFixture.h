// A catalogue service started in-process on a free loopback port, and a blocking GET for tests.
#pragma once

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "RequestLog.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// GET of url over real HTTP (with this Host header when given), waiting (bounded) for the reply.
HttpReply HttpGet(const QString& url, const QByteArray& host = {});

// The demo catalogue as built into the service.
catalogueservice::Catalogue DemoCatalogue();

class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Replaces the running service by one answering from catalogue.
    void restartWith(const catalogueservice::Catalogue& catalogue);

    QString url(const QString& pathAndQuery) const;
    HttpReply get(const QString& pathAndQuery) const { return HttpGet(url(pathAndQuery)); }
    // The items of the catalogue reply to `selectorPart`, cut as the client cuts them.
    QStringList ask(const QString& selectorPart) const;

    QTemporaryDir dir_;
    catalogueservice::RequestLog log_;
    std::unique_ptr<catalogueservice::CatalogueServer> server_;
    quint16 port_ = 0;
};
