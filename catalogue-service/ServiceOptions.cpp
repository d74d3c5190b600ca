#include "ServiceOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace catalogueservice {

bool ParseServiceOptions(const QStringList& arguments, ServiceOptions& out, QString& message,
                         bool& help) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Nimbrisco catalogue service: answers the catalogue at "
                       "/nimbrisco/catalogue and serves the demo picture sources."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral(
            "Port to listen on (default 8377; 0 takes a free one, which the start line reports)."),
        QStringLiteral("port"), QString::number(kDefaultPort));
    const QCommandLineOption bind(QStringLiteral("bind"),
                                  QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                  QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption catalogue(
        QStringLiteral("catalogue"),
        QStringLiteral("Catalogue file (JSON). Default: the demo catalogue."),
        QStringLiteral("file"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append one line per request to this file."),
                                 QStringLiteral("file"));
    const QCommandLineOption pictures(
        QStringLiteral("pictures"),
        QStringLiteral("Serve the pictures of this folder to every screen: a file named "
                       "<id>_<title>.<jpg|png|gif|bmp> becomes a catalogue entry."),
        QStringLiteral("folder"));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Do not echo the request log to stderr."));
    const QCommandLineOption versionPage(
        QStringLiteral("version-page"),
        QStringLiteral("What the version page announces: same (what the catalogue says), "
                       "newer-version or newer-collections (the demo collections package)."),
        QStringLiteral("same|newer-version|newer-collections"), QStringLiteral("same"));
    parser.addOptions({helpOption, port, bind, catalogue, log, pictures, quiet, versionPage});

    help = false;
    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return false;
    }
    if (parser.isSet(helpOption)) {
        help = true;
        message = parser.helpText();
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return false;
    }
    ServiceOptions options;
    bool numeric = false;
    const uint portNumber = parser.value(port).toUInt(&numeric);
    if (!numeric || portNumber > 65535) {
        message = QStringLiteral("--port needs a number from 0 to 65535");
        return false;
    }
    options.port = static_cast<quint16>(portNumber);
    if (!options.bind.setAddress(parser.value(bind))) {
        message = QStringLiteral("--bind needs an IP address, not ") + parser.value(bind);
        return false;
    }
    options.cataloguePath = parser.value(catalogue);
    options.logPath = parser.value(log);
    options.picturesFolder = parser.value(pictures);
    options.quiet = parser.isSet(quiet);
    if (!ParseVersionPageMode(parser.value(versionPage), options.versionPage)) {
        message = QStringLiteral("--version-page needs same, newer-version or newer-collections");
        return false;
    }
    out = options;
    return true;
}

QString DefaultCataloguePath(const QString& programDir) {
    const QString beside = programDir + QStringLiteral("/catalogues/demo.json");
    return QFileInfo::exists(beside) ? beside : QStringLiteral(":/catalogues/demo.json");
}

} // namespace catalogueservice
