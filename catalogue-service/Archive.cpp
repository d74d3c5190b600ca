#include "Archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace catalogueservice {

namespace {

la_ssize_t Append(archive*, void* data, const void* buffer, size_t length) {
    static_cast<QByteArray*>(data)->append(static_cast<const char*>(buffer),
                                           static_cast<qsizetype>(length));
    return static_cast<la_ssize_t>(length);
}

struct WriterCloser {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryCloser {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

mode_t TypeOf(ArchiveEntry::Kind kind) {
    switch (kind) {
    case ArchiveEntry::Kind::Folder:
        return AE_IFDIR;
    case ArchiveEntry::Kind::Symlink:
        return AE_IFLNK;
    case ArchiveEntry::Kind::File:
    case ArchiveEntry::Kind::Hardlink:
        break;
    }
    return AE_IFREG;
}

} // namespace

QByteArray WriteArchive(const QList<ArchiveEntry>& entries, ArchiveFormat format) {
    QByteArray out;
    std::unique_ptr<archive, WriterCloser> a(archive_write_new());
    if (!a)
        return {};
    if (format == ArchiveFormat::Zip) {
        archive_write_set_format_zip(a.get());
    } else {
        archive_write_set_format_pax_restricted(a.get());
        archive_write_add_filter_gzip(a.get());
    }
    // Gzip writes in blocks: without this the last block is padded to 10 KiB.
    archive_write_set_bytes_in_last_block(a.get(), 1);
    if (archive_write_open(a.get(), &out, nullptr, Append, nullptr) != ARCHIVE_OK)
        return {};
    for (const ArchiveEntry& item : entries) {
        std::unique_ptr<archive_entry, EntryCloser> entry(archive_entry_new());
        const QByteArray name = item.name.toUtf8();
        archive_entry_set_pathname(entry.get(), name.constData());
        archive_entry_set_filetype(entry.get(), TypeOf(item.kind));
        archive_entry_set_perm(entry.get(), item.kind == ArchiveEntry::Kind::Folder ? 0755 : 0644);
        archive_entry_set_mtime(entry.get(), 1735689600, 0); // the same bytes for the same files
        const QByteArray target = item.target.toUtf8();
        if (item.kind == ArchiveEntry::Kind::Symlink)
            archive_entry_set_symlink(entry.get(), target.constData());
        if (item.kind == ArchiveEntry::Kind::Hardlink)
            archive_entry_set_hardlink(entry.get(), target.constData());
        const bool hasData = item.kind == ArchiveEntry::Kind::File;
        archive_entry_set_size(entry.get(), hasData ? item.bytes.size() : 0);
        if (archive_write_header(a.get(), entry.get()) != ARCHIVE_OK)
            return {};
        if (hasData && !item.bytes.isEmpty() &&
            archive_write_data(a.get(), item.bytes.constData(),
                               static_cast<size_t>(item.bytes.size())) < 0)
            return {};
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return {};
    return out;
}

} // namespace catalogueservice
