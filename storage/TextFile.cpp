#include "storage/TextFile.h"

#include <QSaveFile>
#include <QStringDecoder>

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

constexpr QByteArrayView kMark("\xEF\xBB\xBF");

bool isEscaped(char c) {
    return c == '%' || c == '\r' || c == '\n' || c == ',' || c == '"';
}

bool readsBackPlain(const QString& text, LineUse use) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
        if (use == LineUse::Field && c == QLatin1Char(','))
            return false;
    }
    if (text.startsWith(QLatin1String(kMark.data(), kMark.size())))
        return false;
    return use == LineUse::Line || text.isEmpty() ||
           (text[0] != QLatin1Char(' ') && text[0] != QLatin1Char('\t') &&
            text[0] != QLatin1Char('"'));
}

QByteArray markedLine(const QString& text) {
    QByteArray bytes(kMark.data(), kMark.size());
    for (const char c : text.toUtf8()) {
        if (isEscaped(c))
            bytes += '%' + QByteArray(1, c).toHex().toUpper();
        else
            bytes += c;
    }
    return bytes;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QByteArray encodeLine(const QString& text, LineUse use) {
    return readsBackPlain(text, use) ? text.toLatin1() : markedLine(text);
}

QString decodeLine(QByteArrayView bytes) {
    QString text;
    return markedLineText(bytes, text) ? text : QString::fromLatin1(bytes);
}

bool markedLineText(QByteArrayView bytes, QString& text) {
    if (!bytes.startsWith(kMark))
        return false;
    QByteArray utf8;
    for (qsizetype i = kMark.size(); i < bytes.size(); ++i) {
        if (bytes[i] != '%') {
            utf8 += bytes[i];
            continue;
        }
        const int high = i + 2 < bytes.size() ? hexValue(bytes[i + 1]) : -1;
        const int low = high < 0 ? -1 : hexValue(bytes[i + 2]);
        if (low < 0)
            return false;
        utf8 += char(high * 16 + low);
        i += 2;
    }
    // The text's own byte order mark, if it starts with one, is part of it.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = decoder.decode(utf8);
    if (decoder.hasError() || readsBackPlain(decoded, LineUse::Field) ||
        markedLine(decoded) != bytes)
        return false;
    text = decoded;
    return true;
}

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

bool writeLines(const QString& path, const QStringList& lines, FileAccess access, LineUse use) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeLine(line, use);
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
    line = decodeLine(QByteArrayView(data_).sliced(pos_, end - pos_));
    pos_ = end + lineEndLength(data_, end);
    return true;
}

} // namespace storage
