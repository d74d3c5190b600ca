// Helpers shared by the catalogue service tests: an in-process service and a blocking GET.
#include "ServiceFixture.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>

using namespace catalogueservice;

HttpReply HttpGet(const QString& url, const QByteArray& host) {
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

Catalogue DemoCatalogue() {
    Catalogue catalogue;
    QString error;
    if (!LoadCatalogueFile(":/catalogues/demo.json", catalogue, error))
        ADD_FAILURE() << error.toStdString();
    return catalogue;
}

void ServiceFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    QString error;
    ASSERT_TRUE(log_.openFile(dir_.filePath("requests.log"), error)) << error.toStdString();
    log_.setEchoToStderr(false);
    restartWith(DemoCatalogue());
}

void ServiceFixture::restartWith(const Catalogue& catalogue) {
    server_.reset();
    server_ = std::make_unique<CatalogueServer>(catalogue, log_);
    port_ = server_->start(QHostAddress::LocalHost, 0);
    ASSERT_NE(port_, 0);
}

QString ServiceFixture::url(const QString& pathAndQuery) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(pathAndQuery);
}

QStringList ServiceFixture::ask(const QString& selectorPart) const {
    const HttpReply reply =
        get("/nimbrisco/catalogue?" + selectorPart + "&x00=y3333Nimbrisco_7.8.12P");
    EXPECT_EQ(reply.status, 200);
    // The client's cut: between separators, case-insensitive, outer text ignored.
    const QStringList parts =
        QString::fromLatin1(reply.body).split("<P>", Qt::KeepEmptyParts, Qt::CaseInsensitive);
    return parts.size() < 2 ? QStringList() : parts.mid(1, parts.size() - 2);
}
