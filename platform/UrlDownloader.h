#pragma once
// Downloads an address into a local file, bypassing any cache.

#include <QString>

namespace platform {

class UrlDownloader {
public:
    virtual ~UrlDownloader() = default;
    // Fetches `url` (following redirects, with the system's proxy settings) and writes the
    // body to `localPath` atomically: the file is either the complete new body or left as it
    // was. Runs the event loop while it waits. False on a transport error, an HTTP error
    // status, a time-out, a body larger than the size bound, or a write failure.
    virtual bool downloadToFile(const QString& url, const QString& localPath) = 0;
    // The same within tighter bounds, for downloads the window waits for: at most `timeoutMs`
    // and `maxBytes`, or the downloader's own bounds where those are tighter.
    virtual bool downloadBounded(const QString& url, const QString& localPath, int timeoutMs,
                                 qint64 maxBytes) = 0;
};

} // namespace platform
