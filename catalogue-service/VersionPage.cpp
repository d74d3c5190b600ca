#include "VersionPage.h"

#include "Archive.h"

#include <QFile>

namespace catalogueservice {

namespace {

// The collection's first entries; enough to see a restore select several kinds of picture.
constexpr int kDemoCollectionSize = 5;

// The code a saved collection holds for an entry: the description's second word, "-" left out.
QString CollectionCode(const QString& description) {
    return description.section(QLatin1Char(' '), 1, 1).remove(QLatin1Char('-'));
}

QString Escaped(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1Char('_'))
        .replace(QLatin1Char('<'), QLatin1Char('_'))
        .replace(QLatin1Char('>'), QLatin1Char('_'));
}

// The picture-list file of the same selection: list position and id of each entry.
QByteArray DemoCollectionList(const QList<CatalogueEntry>& entries) {
    QByteArray list;
    for (int i = 0; i < entries.size(); ++i)
        list += QByteArray::number(i) + "\r\n" + QByteArray::number(entries[i].id) + "\r\n";
    return list;
}

} // namespace

bool ParseVersionPageMode(const QString& text, VersionPageMode& mode) {
    if (text == QLatin1String("same"))
        mode = VersionPageMode::Same;
    else if (text == QLatin1String("newer-version"))
        mode = VersionPageMode::NewerVersion;
    else if (text == QLatin1String("newer-collections"))
        mode = VersionPageMode::NewerCollections;
    else
        return false;
    return true;
}

QByteArray VersionPageBody(const Catalogue& catalogue, VersionPageMode mode) {
    const QString version = mode == VersionPageMode::NewerVersion
                                ? QString::fromLatin1(kNewerProgramVersion)
                                : catalogue.programVersion;
    const QString collections = mode == VersionPageMode::NewerCollections
                                    ? QString::fromLatin1(kDemoCollectionsId)
                                    : catalogue.collectionsId;
    return QStringLiteral("\"%1\",\"%2\"\r\n").arg(version, collections).toLatin1();
}

QByteArray DemoCollectionXml(const QList<CatalogueEntry>& entries) {
    const QString name = QString::fromLatin1(kDemoCollectionName);
    QString xml = QStringLiteral("<?xml version=\"1.0\"?>\r\n<NimbriscoCollection>\r\n"
                                 "\t<NimbriscoVersion>5</NimbriscoVersion>\r\n"
                                 "\t<Description>Nimbrisco5 Pictures Collection</Description>\r\n"
                                 "\t<number>00002</number>\r\n"
                                 "\t<ThisFile>%1.xml</ThisFile>\r\n"
                                 "\t<Autor>Published by the Nimbrisco catalogue service</Autor>\r\n"
                                 "\t<date>01-01-2025 00:00:00</date>\r\n"
                                 "\t<PicList>\r\n")
                      .arg(name);
    for (const CatalogueEntry& entry : entries)
        xml += QStringLiteral("\t\t<PicItem>\r\n\t\t\t<CodePic>%1</CodePic>\r\n"
                              "\t\t\t<Description>%2</Description>\r\n\t\t</PicItem>\r\n")
                   .arg(CollectionCode(entry.description), Escaped(entry.description));
    xml += QStringLiteral("\t</PicList>\r\n</NimbriscoCollection>\r\n");
    return xml.toLatin1();
}

QByteArray CollectionsPackageBody(const Catalogue& catalogue, QString& error) {
    if (catalogue.collectionsPackage.isEmpty()) {
        const QList<CatalogueEntry> entries = catalogue.entries.mid(0, kDemoCollectionSize);
        const QString name = QString::fromLatin1(kDemoCollectionName);
        const QByteArray package =
            WriteArchive({FileEntry(name + QStringLiteral(".xml"), DemoCollectionXml(entries)),
                          FileEntry(name + QStringLiteral(".dat"), DemoCollectionList(entries))});
        if (package.isEmpty())
            error = QStringLiteral("cannot write the demo collections package");
        return package;
    }
    QFile file(catalogue.collectionsPackage);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2")
                    .arg(catalogue.collectionsPackage, file.errorString());
        return {};
    }
    return file.readAll();
}

} // namespace catalogueservice
