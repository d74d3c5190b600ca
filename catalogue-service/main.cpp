// nimbrisco-catalogue: the catalogue service and its demo picture sources.
#include "CatalogueServer.h"
#include "ServiceOptions.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace catalogueservice;

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

} // namespace

int main(int argc, char** argv) {
    // Pictures are drawn with fonts, which needs a GUI application; a server has no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbrisco-catalogue"));

    ServiceOptions options;
    QString message;
    bool help = false;
    if (!ParseServiceOptions(QCoreApplication::arguments(), options, message, help)) {
        Print(stderr, message);
        return 2;
    }
    if (help) {
        Print(stdout, message);
        return 0;
    }

    const QString cataloguePath = options.cataloguePath.isEmpty()
                                      ? DefaultCataloguePath(QCoreApplication::applicationDirPath())
                                      : options.cataloguePath;
    Catalogue catalogue;
    if (!LoadCatalogueFile(cataloguePath, catalogue, message)) {
        Print(stderr, QStringLiteral("nimbrisco-catalogue: ") + message);
        return 1;
    }
    for (const QString& warning : catalogue.warnings)
        Print(stderr, QStringLiteral("nimbrisco-catalogue: warning: ") + warning);
    RequestLog log;
    log.setEchoToStderr(!options.quiet);
    if (!options.logPath.isEmpty() && !log.openFile(options.logPath, message)) {
        Print(stderr, QStringLiteral("nimbrisco-catalogue: ") + message);
        return 1;
    }

    CatalogueServer server(catalogue, log);
    server.memory().versionPage = options.versionPage;
    if (!options.picturesFolder.isEmpty()) {
        if (!QFileInfo(options.picturesFolder).isDir()) {
            Print(stderr, QStringLiteral("nimbrisco-catalogue: --pictures: no folder ") +
                              options.picturesFolder);
            return 1;
        }
        server.memory().site = std::make_unique<SitePictures>(
            QFileInfo(options.picturesFolder).absoluteFilePath(), [](const QString& line) {
                Print(stderr, QStringLiteral("nimbrisco-catalogue: warning: ") + line);
            });
        const qsizetype all = server.memory()
                                  .site->catalogue(server.catalogue(), QDateTime::currentDateTime())
                                  .entries.size();
        Print(stderr, QStringLiteral("nimbrisco-catalogue: the pictures of %1 at /site/, %2 of "
                                     "them in the catalogue")
                          .arg(options.picturesFolder)
                          .arg(all - server.catalogue().entries.size()));
    }
    const quint16 port = server.start(options.bind, options.port);
    if (port == 0) {
        Print(stderr, QStringLiteral("nimbrisco-catalogue: cannot listen on %1:%2")
                          .arg(options.bind.toString())
                          .arg(options.port));
        return 1;
    }
    Print(stderr, QStringLiteral("nimbrisco-catalogue: %1 entries from %2; catalogue at "
                                 "http://%3:%4/nimbrisco/catalogue?")
                      .arg(catalogue.entries.size())
                      .arg(cataloguePath, options.bind.toString())
                      .arg(port));
    return app.exec();
}
