#pragma once
// The published collections package: a .tar.gz or .zip archive of collection files, read and
// unpacked by the program itself. Nothing in it is ever run. Only plain regular files named as
// collection files are taken, bounded in count and size; a package with anything else in it is
// refused whole, before anything is written.

#include <QByteArray>
#include <QList>
#include <QString>

namespace updates {

struct PackageLimits {
    int maxFiles = 100;
    qint64 maxFileBytes = 4LL * 1024 * 1024;
    qint64 maxTotalBytes = 16LL * 1024 * 1024;
};

struct PackageFile {
    QString name;
    QByteArray bytes;
};

struct PackageResult {
    bool ok = false;
    // Why the package was refused (a text of i18n::text), empty when it was not.
    QString reason;
    QList<PackageFile> files;
};

// "Nimbrisco_Collection_" followed by letters, digits, "_" or "-", and ".xml" or ".dat".
bool isCollectionFileName(const QString& name);

// Reads the whole package into memory, checking every entry; writes nothing.
PackageResult readPackage(const QString& path, const PackageLimits& limits = {});

// Reads the package and, when it passes, writes its files into `folder`, each one replaced
// atomically. On a failed write the files before it stay (each is whole) and the reason says
// which one failed.
PackageResult extractPackage(const QString& path, const QString& folder,
                             const PackageLimits& limits = {});

} // namespace updates
