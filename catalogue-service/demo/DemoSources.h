// The demo picture sources the service serves itself under /demo/.
#pragma once

#include "PictureCache.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrlQuery>

namespace catalogueservice::demo {

inline constexpr char kDemoPrefix[] = "/demo/";
// Frames of the numbered series that exist: frame_001 to frame_024.
inline constexpr int kSeriesFrameCount = 24;

using DemoContent = ServedContent;

// The content of a demo address at the given time; false for an address that does not exist.
// With a cache, each picture is drawn at most once a minute; pages, which depend on the
// request, are always written anew.
bool ServeDemo(const QString& path, const QUrlQuery& query, const QString& base,
               const QDateTime& when, DemoContent& out, PictureCache* cache = nullptr);

} // namespace catalogueservice::demo
