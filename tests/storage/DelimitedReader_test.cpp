// The delimited-value reader: where fields end, blanks, quotes, line ends, empty fields, short
// data, and marked lines as whole fields.

#include "storage/DelimitedReader.h"
#include "storage/TextFile.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using storage::DelimitedReader;

namespace {

QStringList allFields(const QByteArray& data) {
    DelimitedReader reader(data);
    QStringList fields;
    QString field;
    while (reader.readField(field))
        fields << field;
    return fields;
}

} // namespace

TEST(DelimitedReader, SplitsFieldsAtCommasAndLineEnds) {
    const struct {
        QByteArray data;
        QStringList fields;
    } cases[] = {
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a\nb\rc", {"a", "b", "c"}},
        // Leading blanks are skipped, trailing ones kept.
        {"   a b  ,\t c\r\n", {"a b  ", "c"}},
        {"\"New York, NY\",x\r\n", {"New York, NY", "x"}},
        // Text after the closing quote up to the delimiter is not part of the field.
        {"  \"q\" tail,y", {"q", "y"}},
        {"\"\"\r\nz", {"", "z"}},
        {"\"abc\r\nd\r\n", {"abc", "d"}}, // an unclosed quote ends with its line
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"", {}},
        // Bytes are Latin-1, not UTF-8 nor a Windows code page.
        {"\x80\x9f\xa0\xe9\xff\r\n", {QString::fromLatin1("\x80\x9f\xa0\xe9\xff")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(allFields(c.data), c.fields) << c.data.toStdString();
}

TEST(DelimitedReader, MissingFileReadsAsNoData) {
    QTemporaryDir dir;
    QString field;
    EXPECT_FALSE(DelimitedReader::fromFile(dir.filePath("absent.dat")).readField(field));
}

TEST(DelimitedReader, LinesWrittenAsFieldsComeBackWholeAndOthersAsBefore) {
    const QStringList texts = {QString::fromUtf8("łukasz"),
                               "a,b",
                               "  leading blanks",
                               "\ttab",
                               "\"quoted\"",
                               "mid\"quote",
                               "line\r\nend",
                               QString::fromUtf8("Łódź, PL"),
                               "",
                               "plain"};
    QByteArray data;
    for (const QString& text : texts)
        data += storage::encodeLine(text, storage::LineUse::Field) + "\r\n";
    EXPECT_EQ(allFields(data), texts);

    // Written for a line reader, a Latin-1 text is cut at its comma as it always was; a text
    // beyond Latin-1 is marked and stays whole.
    data = storage::encodeLine("Cour,mayeur") + "\r\n" +
           storage::encodeLine(QString::fromUtf8("Łódź, PL")) + "\r\n";
    EXPECT_EQ(allFields(data), (QStringList{"Cour", "mayeur", QString::fromUtf8("Łódź, PL")}));
}
