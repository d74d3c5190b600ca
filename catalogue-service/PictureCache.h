// Pictures kept in memory for the minute they were made in, so that many screens asking at once
// cost one drawing (or one file read) per picture and minute.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <functional>

namespace catalogueservice {

struct ServedContent {
    QByteArray body;
    QByteArray mimeType;
};

class PictureCache {
public:
    // The content under key for the minute of when, made by make on the first request of that
    // minute. Nothing empty is kept, so a failed make is tried again at the next request.
    ServedContent get(const QString& key, const QDateTime& when,
                      const std::function<ServedContent()>& make);

    // How many times make has run.
    int made() const { return made_; }

private:
    struct Kept {
        qint64 minute = 0;
        ServedContent content;
    };
    QHash<QString, Kept> kept_;
    int made_ = 0;
};

} // namespace catalogueservice
