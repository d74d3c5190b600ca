#include "storage/DelimitedReader.h"

#include "storage/TextFile.h"

namespace storage {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

DelimitedReader DelimitedReader::fromFile(const QString& path) {
    QByteArray bytes;
    if (!readAllBytes(path, bytes))
        bytes.clear();
    return DelimitedReader(bytes);
}

bool DelimitedReader::readField(QString& field) {
    if (atEnd())
        return false;
    const bool lineStart = !fieldPending_ && (pos_ == 0 || lineEndLength(data_, pos_ - 1) > 0);
    fieldPending_ = false;
    // A marked line is one whole field: its commas, quotes and blanks are its own.
    if (lineStart) {
        const int end = lineEnd(pos_);
        if (markedLineText(QByteArrayView(data_).sliced(pos_, end - pos_), field)) {
            pos_ = end;
            skipTerminator();
            return true;
        }
    }
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
    field = pos_ < data_.size() && data_[pos_] == '"' ? readQuoted() : readPlain();
    skipTerminator();
    return true;
}

int DelimitedReader::lineEnd(int from) const {
    while (from < data_.size() && lineEndLength(data_, from) == 0)
        ++from;
    return from;
}

QString DelimitedReader::readQuoted() {
    const int start = pos_ + 1;
    int end = start;
    // An unclosed quote ends with its line, so one stray quote cannot swallow the fields below.
    while (end < data_.size() && data_[end] != '"' && lineEndLength(data_, end) == 0)
        ++end;
    const QString text = QString::fromLatin1(data_.constData() + start, end - start);
    pos_ = end < data_.size() && data_[end] == '"' ? end + 1 : end;
    // Whatever stands between the closing quote and the next delimiter is not part of the field.
    while (pos_ < data_.size() && data_[pos_] != ',' && lineEndLength(data_, pos_) == 0)
        ++pos_;
    return text;
}

QString DelimitedReader::readPlain() {
    const int start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && lineEndLength(data_, pos_) == 0)
        ++pos_;
    return QString::fromLatin1(data_.constData() + start, pos_ - start);
}

void DelimitedReader::skipTerminator() {
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',') {
        ++pos_;
        fieldPending_ = true;
        return;
    }
    pos_ += lineEndLength(data_, pos_);
}

} // namespace storage
