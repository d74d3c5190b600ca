#pragma once
// Delimited values, read the way a comma-separated record is read: a field ends at a comma or
// at a line end, blanks before it are skipped, and a field enclosed in double quotes is taken
// without the quotes. Bytes are Latin-1, so every code 0..255 comes back as the same character;
// a line marked by the settings writer (see encodeLine) is one field holding its text.

#include <QByteArray>
#include <QString>

namespace storage {

class DelimitedReader {
public:
    explicit DelimitedReader(QByteArray data) : data_(std::move(data)) {}
    // Reads the file at `path`; a missing or unreadable file reads as no data at all.
    static DelimitedReader fromFile(const QString& path);

    // The next field into `field`; false when the data has ended, so a caller can tell a file
    // that holds fewer fields than it expects.
    bool readField(QString& field);
    bool atEnd() const { return pos_ >= data_.size() && !fieldPending_; }

private:
    int lineEnd(int from) const;
    QString readQuoted();
    QString readPlain();
    void skipTerminator();

    QByteArray data_;
    int pos_ = 0;
    // A comma was just passed: one more (possibly empty) field follows even at the end of data.
    bool fieldPending_ = false;
};

} // namespace storage
