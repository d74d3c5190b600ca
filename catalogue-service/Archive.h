// Archives written in memory: the collections package the service publishes, and the odd
// packages the tests need.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace catalogueservice {

struct ArchiveEntry {
    enum class Kind { File, Folder, Symlink, Hardlink };
    QString name;
    QByteArray bytes;
    Kind kind = Kind::File;
    // What a link points at.
    QString target;
};

inline ArchiveEntry FileEntry(const QString& name, const QByteArray& bytes) {
    return {name, bytes, ArchiveEntry::Kind::File, QString()};
}

enum class ArchiveFormat { TarGz, Zip };

// The entries in order, names as given; empty when libarchive fails.
QByteArray WriteArchive(const QList<ArchiveEntry>& entries,
                        ArchiveFormat format = ArchiveFormat::TarGz);

} // namespace catalogueservice
