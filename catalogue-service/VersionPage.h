// The version page and the collections package served at the root of the service.
#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QString>

namespace catalogueservice {

// What the version page announces: what the catalogue says (the demo: this program's version
// and the collections a fresh installation has, so nothing is new), a newer program version,
// or newer collections (the service's demo collections package).
enum class VersionPageMode { Same, NewerVersion, NewerCollections };

inline constexpr char kNewerProgramVersion[] = "Nimbrisco_7.9.0P";
inline constexpr char kDemoCollectionsId[] = "Collection_002";
// The demo collection the package holds, both of its files.
inline constexpr char kDemoCollectionName[] = "Nimbrisco_Collection_Demo_002";

// "same", "newer-version" or "newer-collections"; false for any other text.
bool ParseVersionPageMode(const QString& text, VersionPageMode& mode);

// Two quoted fields: the newest program version and the id of the published collections.
QByteArray VersionPageBody(const Catalogue& catalogue,
                           VersionPageMode mode = VersionPageMode::Same);

// The package named by the catalogue, or the demo package: a .tar.gz holding one collection
// of the catalogue's first entries. Empty with a reason when the named file cannot be read.
QByteArray CollectionsPackageBody(const Catalogue& catalogue, QString& error);

// The demo collection's XML file for these entries, with CR LF line ends.
QByteArray DemoCollectionXml(const QList<CatalogueEntry>& entries);

} // namespace catalogueservice
