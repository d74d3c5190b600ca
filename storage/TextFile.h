#pragma once
// The settings files on disk: Latin-1 text, lines ended by CR LF. Every write replaces the whole
// file atomically, so a crash or a power cut in the middle of a save leaves the previous file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace storage {

enum class FileAccess {
    Default,
    OwnerOnly, // readable and writable by the owner only (files holding a password)
};

// The length of the line end at `pos` of `data`: 2 for CR LF, 1 for a lone CR or LF, else 0.
int lineEndLength(const QByteArray& data, int pos);

// Replaces `path` with `bytes`. False (and the old file untouched) when anything fails. A file
// that already holds exactly these bytes is not written again.
bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                         FileAccess access = FileAccess::Default);

// Replaces `path` with `lines` in Latin-1 (characters beyond it become '?'), each ended by
// CR LF.
bool writeLines(const QString& path, const QStringList& lines,
                FileAccess access = FileAccess::Default);

// The whole content of `path`; false when the file cannot be opened or read.
bool readAllBytes(const QString& path, QByteArray& bytes);

// Deletes `path`, also when it is read-only. True when the file is gone afterwards.
bool removeForced(const QString& path);

// Reads a text file line by line from the start. A line ends at CR LF, LF or CR; its end is not
// part of the text.
class LineReader {
public:
    explicit LineReader(const QString& path);

    bool isOpen() const { return open_; }
    // The next line into `line`; false at the end of the file (or when it could not be opened).
    bool readLine(QString& line);

private:
    QByteArray data_;
    int pos_ = 0;
    bool open_ = false;
};

} // namespace storage
