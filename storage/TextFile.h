#pragma once
// The settings files on disk: Latin-1 text, lines ended by CR LF. Every write replaces the whole
// file atomically, so a crash or a power cut in the middle of a save leaves the previous file.

#include <QByteArray>
#include <QByteArrayView>
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

// Who reads a line back. A delimited-value reader also loses commas, leading blanks and a
// leading quote of a line it takes as one field.
enum class LineUse {
    Line,
    Field,
};

// The bytes that keep `text` on one line. A text that fits Latin-1 and reads back as it is gets
// its Latin-1 bytes, as these files have always held. Any other text (beyond Latin-1, with a
// line end inside, or lost by a field reader) is marked: the UTF-8 byte order mark, then its
// UTF-8 bytes with '%', CR, LF, ',' and '"' written as %XX. A Latin-1 text that starts with
// the mark's three characters is marked too, so that no plain line reads as a marked one.
QByteArray encodeLine(const QString& text, LineUse use = LineUse::Line);
// The text of one line's bytes (its line end excluded): a marked line exactly as it was
// encoded, any other line as Latin-1.
QString decodeLine(QByteArrayView bytes);
// The text of a marked line; false for any other line, including one that starts with the
// mark but cannot have been written by encodeLine.
bool markedLineText(QByteArrayView bytes, QString& text);

// Replaces `path` with `lines`, each encoded for `use` and ended by CR LF.
bool writeLines(const QString& path, const QStringList& lines,
                FileAccess access = FileAccess::Default, LineUse use = LineUse::Line);

// The whole content of `path`; false when the file cannot be opened or read.
bool readAllBytes(const QString& path, QByteArray& bytes);

// Deletes `path`, also when it is read-only. True when the file is gone afterwards.
bool removeForced(const QString& path);

// Reads a text file line by line from the start. A line ends at CR LF, LF or CR; its end is not
// part of the text, which is decoded by decodeLine.
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
