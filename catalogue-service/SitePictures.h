// A folder of the site's own pictures for every screen. Each file is served at /site/<name>; a
// file named "<id>_<title>.<ext>" (jpg, jpeg, png, gif or bmp) also becomes a catalogue entry,
// after the catalogue's own, in the order of the ids. The folder and each picture in it are read
// again at most once a minute, so an operator adds, replaces or removes a picture by copying
// files, and every screen has it by its next fetch pass.
#pragma once

#include "Catalogue.h"
#include "PictureCache.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace catalogueservice {

inline constexpr char kSitePrefix[] = "/site/";
// Larger files are left out: the client reads pictures into memory whole.
inline constexpr qint64 kMaxSitePictureBytes = 32 * 1024 * 1024;

class SitePictures {
public:
    // Receives each file left out, with the reason, whenever the folder's listing changes.
    using Warn = std::function<void(const QString& line)>;

    SitePictures(QString folder, Warn warn);

    // base followed by the folder's entries, as the folder was in the minute of when.
    const Catalogue& catalogue(const Catalogue& base, const QDateTime& when);
    // The picture file called name, false when the folder does not list it.
    bool serve(const QString& name, const QDateTime& when, PictureCache& cache, ServedContent& out);

    QStringList warnings() const { return warnings_; }

private:
    void read(const Catalogue& base);

    QString folder_;
    Warn warn_;
    qint64 readMinute_ = -1;
    // The base the entries were added to, to notice a different one.
    const Catalogue* readFor_ = nullptr;
    Catalogue merged_;
    // The files served, by name, with their type.
    QHash<QString, QByteArray> files_;
    QStringList warnings_;
};

} // namespace catalogueservice
