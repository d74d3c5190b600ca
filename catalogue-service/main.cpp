// nimbrisco-catalogue: the catalogue service and its demo picture sources.
#include "CatalogueServer.h"
#include "ServiceOptions.h"

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
