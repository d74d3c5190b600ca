// Helpers shared by the catalogue service tests: an in-process service and a blocking GET.
#include "ServiceFixture.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>

using namespace catalogueservice;

HttpReply HttpGet(const QString& url, const QList<QPair<QByteArray, QByteArray>>& headers) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    for (const auto& header : headers)
        request.setRawHeader(header.first, header.second);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    HttpReply result;
    if (!reply->isFinished() && !finished.wait(30000)) {
        result.transportError = true;
        return result;
    }
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    result.body = reply->readAll();
    result.transportError = reply->error() != QNetworkReply::NoError &&
                            reply->error() < QNetworkReply::ContentAccessDenied;
    return result;
}

Catalogue DemoCatalogue() {
    Catalogue catalogue;
    QString error;
    if (!LoadCatalogueFile(QStringLiteral(":/catalogues/demo.json"), catalogue, error))
        ADD_FAILURE() << error.toStdString();
    return catalogue;
}

void ServiceFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    logPath_ = dir_.filePath(QStringLiteral("requests.log"));
    QString error;
    ASSERT_TRUE(log_.openFile(logPath_, error)) << error.toStdString();
    log_.setEchoToStderr(false);
    restartWith(DemoCatalogue());
}

void ServiceFixture::TearDown() {
    server_.reset();
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

QString ServiceFixture::ask(const QString& selectorPart) const {
    const HttpReply reply = get(QStringLiteral("/nimbrisco/catalogue?") + selectorPart +
                                QStringLiteral("&x00=y3333") + QStringLiteral("Nimbrisco_7.8.12P"));
    EXPECT_EQ(reply.status, 200);
    return QString::fromLatin1(reply.body);
}

QStringList ServiceFixture::items(const QString& reply) {
    // The client's cut: between separators, case-insensitive, outer text ignored.
    QStringList parts = reply.split(QStringLiteral("<P>"), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() < 2)
        return {};
    parts.removeFirst();
    parts.removeLast();
    return parts;
}

QStringList ServiceFixture::logLines() const {
    QFile file(logPath_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
