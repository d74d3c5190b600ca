#include "storage/TextFile.h"

#include <QSaveFile>

namespace storage {

namespace {

// Settings files are a few hundred bytes; anything far beyond is not ours and is read only in
// part rather than exhausting memory.
constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

constexpr QFileDevice::Permissions kOthersAccess =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

bool holdsExactly(const QString& path, const QByteArray& bytes, FileAccess access) {
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly))
        return false;
    if (access == FileAccess::OwnerOnly && (file.permissions() & kOthersAccess))
        return false;
    return file.readAll() == bytes;
}

} // namespace

int lineEndLength(const QByteArray& data, int pos) {
    if (pos >= data.size())
        return 0;
    if (data[pos] == '\n')
        return 1;
    if (data[pos] != '\r')
        return 0;
    return pos + 1 < data.size() && data[pos + 1] == '\n' ? 2 : 1;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, FileAccess access) {
    // The connection wait and the start-up write the same settings again and again: a file
    // that already holds these bytes (and, for a password, is already private) is left alone.
    if (holdsExactly(path, bytes, access))
        return true;
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full, size limit) is seen here: through the buffer it
    // would be lost in the flush and a cut-off file committed as if complete.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // Restricted before the first byte is written, so the password never sits in a file others
    // can read, not even in the temporary one.
    if (access == FileAccess::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeLines(const QString& path, const QStringList& lines, FileAccess access) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes, access);
}

bool readAllBytes(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.read(kMaxReadBytes);
    return file.error() == QFileDevice::NoError;
}

bool removeForced(const QString& path) {
    if (!QFile::exists(path))
        return true;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    return QFile::remove(path);
}

LineReader::LineReader(const QString& path) {
    open_ = readAllBytes(path, data_);
}

bool LineReader::readLine(QString& line) {
    if (!open_ || pos_ >= data_.size())
        return false;
    int end = pos_;
    while (end < data_.size() && lineEndLength(data_, end) == 0)
        ++end;
    line = QString::fromLatin1(data_.constData() + pos_, end - pos_);
    pos_ = end + lineEndLength(data_, end);
    return true;
}

} // namespace storage
