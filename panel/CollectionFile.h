#pragma once
// The collection files: the stamp that names them, the XML document a backup writes, and the
// item codes a restore reads from such a document.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace collection {

// A restore refuses a file larger than this, or one with more items than a list can hold.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
constexpr int kMaxItems = 2000;

// The date and time a backup's files are named after: "12082024_101530" for 8 December 2024,
// 10:15:30.
QString stamp(const QDateTime& at);
// "Nimbrisco_Collection_" followed by the stamp and `extension` (with its dot).
QString fileName(const QString& stamp, const QString& extension);

// The XML document of a backup named `thisFile`, written at `date`, holding the list items of
// `itemTexts` in their order. UTF-8 without a byte order mark, lines ended by CR LF.
QByteArray document(const QString& thisFile, const QDateTime& date, const QStringList& itemTexts);

// The text of a collection file's bytes: UTF-8 when they are valid UTF-8, else Windows-1252,
// the code page the files were once written in.
QString decode(const QByteArray& bytes);

struct ReadResult {
    enum class Status {
        Ok,
        Unreadable,   // missing, not a plain file, or not well-formed XML
        TooLarge,     // beyond kMaxFileBytes
        TooManyItems, // more than kMaxItems PicItem elements
    };
    Status status = Status::Unreadable;
    // The codes of the CodePic children of the PicItem elements, in document order, with the
    // blanks around them removed.
    QStringList codes;
};

// The codes of a collection document.
ReadResult readCodes(const QByteArray& bytes);
// The codes of the collection file at `path`.
ReadResult readFile(const QString& path);

} // namespace collection
