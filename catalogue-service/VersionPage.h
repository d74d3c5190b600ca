// The version page and the collections package served at the root of the service.
#pragma once

#include "Catalogue.h"

#include <QByteArray>

namespace catalogueservice {

// Two quoted fields: the newest program version and the id of the published collections.
QByteArray VersionPageBody(const Catalogue& catalogue);

// The package named by the catalogue, or the built-in placeholder (a shell script that extracts
// nothing). Empty with a reason when the named file cannot be read.
QByteArray CollectionsPackageBody(const Catalogue& catalogue, QString& error);

} // namespace catalogueservice
