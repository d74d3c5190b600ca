// The catalogue the service answers from: entries in catalogue order, the user message and
// the version page fields, read from a JSON file.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace catalogueservice {

// The client converts identifiers to 16-bit integers.
inline constexpr int kMaxId = 32767;
// The client keeps 2000 catalogue positions.
inline constexpr int kMaxEntries = 2000;

struct CatalogueEntry {
    int id = 0;
    // Source-kind-coded address; may hold the tokens of ExpandAddress.
    QString address;
    QString description;
    // "-credit text-display code-second status line-"
    QString credit;
};

struct Catalogue {
    QList<CatalogueEntry> entries;
    QString userMessage;
    QString programVersion = QStringLiteral("Nimbrisco_7.8.12P");
    QString collectionsId = QStringLiteral("Collection_001");
    // Absolute path of the file served as the collections package; empty: the built-in one.
    QString collectionsPackage;
    // What the operator should know about entries that load all the same.
    QStringList warnings;

    const CatalogueEntry* findById(int id) const;
};

// Why the client would misread this entry's texts in a reply (naming the field), empty when it
// would not.
QString EntryProblem(const CatalogueEntry& entry);

// Parses a catalogue from JSON text. Relative paths inside it are taken from baseDir. On
// failure returns false and says why in error (first problem found, naming the entry).
bool ParseCatalogue(const QByteArray& json, const QString& baseDir, Catalogue& out, QString& error);

// Reads and parses a catalogue file.
bool LoadCatalogueFile(const QString& path, Catalogue& out, QString& error);

// Replaces "{base}" by base ("http://host:port") and "{host}" by the same without its scheme,
// so that kind-coded addresses ("4ttp://{host}/...") can point at this service too.
QString ExpandAddress(const QString& address, const QString& base);

} // namespace catalogueservice
