#include "VersionPage.h"

#include <QFile>

namespace catalogueservice {

QByteArray VersionPageBody(const Catalogue& catalogue) {
    return QStringLiteral("\"%1\",\"%2\"\r\n")
        .arg(catalogue.programVersion, catalogue.collectionsId)
        .toLatin1();
}

QByteArray CollectionsPackageBody(const Catalogue& catalogue, QString& error) {
    const QString path = catalogue.collectionsPackage.isEmpty()
                             ? QStringLiteral(":/collections/collections.exe")
                             : catalogue.collectionsPackage;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    return file.readAll();
}

} // namespace catalogueservice
