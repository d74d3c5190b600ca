#include "updates/CollectionsPackage.h"

#include "i18n/Messages.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QRegularExpression>
#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace updates {

namespace {

namespace text = i18n::text;

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};

PackageResult refused(const QString& reason) {
    PackageResult result;
    result.reason = reason;
    return result;
}

// Only the formats and the one filter a package may use: nothing that starts another program.
std::unique_ptr<archive, ArchiveCloser> openArchive(const QString& path) {
    std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
    if (!a)
        return a;
    archive_read_support_filter_gzip(a.get());
    archive_read_support_format_tar(a.get());
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(), 64 * 1024) !=
        ARCHIVE_OK)
        a.reset();
    return a;
}

// The entry's name without a leading "./" (as tar writes names below "."); empty for the
// entry of "." itself.
QString entryName(archive_entry* entry, bool& readable) {
    const char* raw = archive_entry_pathname_utf8(entry);
    if (!raw)
        raw = archive_entry_pathname(entry);
    readable = raw != nullptr;
    QString name = readable ? QString::fromUtf8(raw) : QString();
    if (name.startsWith(QLatin1String("./")))
        name = name.mid(2);
    return name;
}

bool isCurrentFolder(const QString& name, archive_entry* entry) {
    return (name.isEmpty() || name == QLatin1String(".")) &&
           archive_entry_filetype(entry) == AE_IFDIR;
}

} // namespace

bool isCollectionFileName(const QString& name) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("Nimbrisco_Collection_[A-Za-z0-9_-]{1,80}\\.(xml|dat)")));
    return pattern.match(name).hasMatch();
}

PackageResult readPackage(const QString& path, const PackageLimits& limits) {
    const auto a = openArchive(path);
    if (!a)
        return refused(text::kPackageUnreadable);
    PackageResult result;
    qint64 total = 0;
    int entries = 0;
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(a.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            return refused(text::kPackageUnreadable);
        if (++entries > limits.maxFiles)
            return refused(text::kPackageTooManyFiles.arg(limits.maxFiles));
        bool readable = false;
        const QString name = entryName(entry, readable);
        if (!readable)
            return refused(text::kPackageUnreadable);
        if (isCurrentFolder(name, entry))
            continue;
        if (!isCollectionFileName(name))
            return refused(text::kPackageBadName.arg(name));
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
            archive_entry_symlink(entry))
            return refused(text::kPackageNotAFile.arg(name));
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > limits.maxFileBytes)
            return refused(text::kPackageTooLarge.arg(name).arg(limits.maxFileBytes));
        // The sizes the headers announce are not trusted: what is read counts.
        PackageFile file{name, {}};
        char buffer[64 * 1024];
        for (;;) {
            const la_ssize_t got = archive_read_data(a.get(), buffer, sizeof buffer);
            if (got < 0)
                return refused(text::kPackageUnreadable);
            if (got == 0)
                break;
            if (file.bytes.size() + got > limits.maxFileBytes)
                return refused(text::kPackageTooLarge.arg(name).arg(limits.maxFileBytes));
            total += got;
            if (total > limits.maxTotalBytes)
                return refused(text::kPackageTotalTooLarge.arg(limits.maxTotalBytes));
            file.bytes.append(buffer, static_cast<qsizetype>(got));
        }
        result.files.append(std::move(file));
    }
    if (result.files.isEmpty())
        return refused(text::kPackageEmpty);
    result.ok = true;
    return result;
}

PackageResult extractPackage(const QString& path, const QString& folder,
                             const PackageLimits& limits) {
    PackageResult read = readPackage(path, limits);
    if (!read.ok)
        return read;
    for (const PackageFile& file : read.files) {
        if (!storage::writeFileAtomically(folder + QLatin1Char('/') + file.name, file.bytes)) {
            read.ok = false;
            read.reason = text::kPackageNotWritten.arg(file.name);
            return read;
        }
    }
    return read;
}

} // namespace updates
