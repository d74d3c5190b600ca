// A catalogue service started in-process on a free loopback port, and a blocking GET for tests.
#pragma once

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "RequestLog.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
    bool transportError = false;
};

// GET of url over real HTTP, waiting (bounded) for the finished signal.
HttpReply HttpGet(const QString& url, const QList<QPair<QByteArray, QByteArray>>& headers = {});

// The demo catalogue as built into the service.
catalogueservice::Catalogue DemoCatalogue();

class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the running service by one answering from catalogue.
    void restartWith(const catalogueservice::Catalogue& catalogue);

    // "http://127.0.0.1:<port>" + pathAndQuery.
    QString url(const QString& pathAndQuery) const;
    HttpReply get(const QString& pathAndQuery) const { return HttpGet(url(pathAndQuery)); }
    // The catalogue reply to a query of the form the client sends.
    QString ask(const QString& selectorPart) const;
    // The items of a reply as the client cuts them.
    static QStringList items(const QString& reply);

    QStringList logLines() const;

    QTemporaryDir dir_;
    QString logPath_;
    catalogueservice::RequestLog log_;
    std::unique_ptr<catalogueservice::CatalogueServer> server_;
    quint16 port_ = 0;
};
