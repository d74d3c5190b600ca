#include "SitePictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace catalogueservice {

namespace {

QByteArray MimeTypeOf(const QString& suffix) {
    const QString s = suffix.toLower();
    if (s == QLatin1String("jpg") || s == QLatin1String("jpeg"))
        return "image/jpeg";
    if (s == QLatin1String("png"))
        return "image/png";
    if (s == QLatin1String("gif"))
        return "image/gif";
    if (s == QLatin1String("bmp"))
        return "image/bmp";
    return {};
}

// The entry of a file "<id>_<title>.<ext>": a plain picture address back to this service, the
// code "SITE<id>" as the description's second word, the title as the credit.
CatalogueEntry EntryFor(int id, const QString& title, const QString& fileName) {
    QString credit = title;
    // "-" separates the fields of a credit record.
    credit.replace(QLatin1Char('-'), QLatin1Char(' '));
    return {id,
            QStringLiteral("{base}") + QLatin1String(kSitePrefix) +
                QString::fromLatin1(QUrl::toPercentEncoding(fileName)),
            QStringLiteral("Site SITE%1 %2").arg(QString::number(id), title),
            QStringLiteral("-%1--Picture of this site-").arg(credit)};
}

} // namespace

SitePictures::SitePictures(QString folder, Warn warn)
    : folder_(std::move(folder)), warn_(std::move(warn)) {}

const Catalogue& SitePictures::catalogue(const Catalogue& base, const QDateTime& when) {
    const qint64 minute = when.toSecsSinceEpoch() / 60;
    if (minute != readMinute_ || readFor_ != &base) {
        readMinute_ = minute;
        readFor_ = &base;
        read(base);
    }
    return merged_;
}

void SitePictures::read(const Catalogue& base) {
    static const QRegularExpression entryName(
        QStringLiteral("^(\\d{1,5})_(.+)\\.(jpe?g|png|gif|bmp)$"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<int> ids;
    for (const CatalogueEntry& entry : base.entries)
        ids.insert(entry.id);

    QHash<QString, QByteArray> files;
    QMap<int, CatalogueEntry> entries;
    QStringList warnings;
    const QFileInfoList listing =
        QDir(folder_).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& info : listing) {
        const QString name = info.fileName();
        const QByteArray mimeType = MimeTypeOf(info.suffix());
        if (mimeType.isEmpty())
            continue;
        if (info.size() > kMaxSitePictureBytes) {
            warnings << QStringLiteral("%1: larger than %2 MiB, left out")
                            .arg(name)
                            .arg(kMaxSitePictureBytes >> 20);
            continue;
        }
        files.insert(name, mimeType);
        const QRegularExpressionMatch match = entryName.match(name);
        if (!match.hasMatch())
            continue;
        const int id = match.captured(1).toInt();
        const QString title = match.captured(2).replace(QLatin1Char('_'), QLatin1Char(' '));
        const CatalogueEntry entry = EntryFor(id, title, name);
        QString problem;
        if (id < 1 || id > kMaxId)
            problem = QStringLiteral("the id must be a number from 1 to %1").arg(kMaxId);
        else if (ids.contains(id))
            problem = QStringLiteral("id %1 is already in the catalogue").arg(id);
        else if (base.entries.size() + entries.size() >= kMaxEntries)
            problem = QStringLiteral("the catalogue is full (%1 entries)").arg(kMaxEntries);
        else
            problem = EntryProblem(entry);
        if (!problem.isEmpty()) {
            warnings << QStringLiteral("%1: no catalogue entry, %2").arg(name, problem);
            continue;
        }
        ids.insert(id);
        entries.insert(id, entry);
    }
    if (listing.isEmpty() && !QFileInfo(folder_).isDir())
        warnings << QStringLiteral("%1: no such folder").arg(folder_);

    merged_ = base;
    for (const CatalogueEntry& entry : std::as_const(entries))
        merged_.entries.append(entry);
    files_ = files;
    if (warnings != warnings_ && warn_) {
        for (const QString& line : warnings)
            warn_(line);
    }
    warnings_ = warnings;
}

bool SitePictures::serve(const QString& name, const QDateTime& when, PictureCache& cache,
                         ServedContent& out) {
    // Only names of the listing are served, so no request reaches outside the folder.
    const auto found = files_.constFind(name);
    if (found == files_.constEnd())
        return false;
    const QString path = QDir(folder_).filePath(name);
    const QByteArray mimeType = found.value();
    out = cache.get(QLatin1String(kSitePrefix) + name, when, [&path, &mimeType] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return ServedContent{};
        return ServedContent{file.read(kMaxSitePictureBytes), mimeType};
    });
    return true;
}

} // namespace catalogueservice
