#include "PictureCache.h"

namespace catalogueservice {

ServedContent PictureCache::get(const QString& key, const QDateTime& when,
                                const std::function<ServedContent()>& make) {
    // Minutes since the epoch; a clock set back simply counts as another minute.
    const qint64 minute = when.toSecsSinceEpoch() / 60;
    const auto found = kept_.constFind(key);
    if (found != kept_.constEnd() && found->minute == minute)
        return found->content;
    ++made_;
    ServedContent content = make();
    if (content.body.isEmpty())
        kept_.remove(key);
    else
        kept_.insert(key, {minute, content});
    return content;
}

} // namespace catalogueservice
