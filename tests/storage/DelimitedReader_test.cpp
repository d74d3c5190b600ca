// The delimited-value reader: where fields end, blanks, quotes, line ends, empty fields, short
// data.

#include "storage/DelimitedReader.h"

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

TEST(DelimitedReader, CommaAndLineEndBothEndAField) {
    EXPECT_EQ(allFields("a,b\r\nc\r\n"), (QStringList{"a", "b", "c"}));
}

TEST(DelimitedReader, LfCrLfAndLoneCrAreAllLineEnds) {
    const QStringList expected{"a", "b", "c"};
    EXPECT_EQ(allFields("a\r\nb\r\nc\r\n"), expected);
    EXPECT_EQ(allFields("a\nb\nc\n"), expected);
    EXPECT_EQ(allFields("a\rb\rc"), expected);
}

TEST(DelimitedReader, LeadingBlanksAreSkippedTheRestIsKept) {
    EXPECT_EQ(allFields("   a b  ,\t c\r\n"), (QStringList{"a b  ", "c"}));
}

TEST(DelimitedReader, QuotesAreRemovedAndKeepCommasInside) {
    EXPECT_EQ(allFields("\"New York, NY\",x\r\n"), (QStringList{"New York, NY", "x"}));
    // Text after the closing quote up to the delimiter is not part of the field.
    EXPECT_EQ(allFields("  \"q\" tail,y"), (QStringList{"q", "y"}));
    EXPECT_EQ(allFields("\"\"\r\nz"), (QStringList{"", "z"}));
}

TEST(DelimitedReader, UnclosedQuoteEndsWithItsLine) {
    EXPECT_EQ(allFields("\"abc\r\nd\r\n"), (QStringList{"abc", "d"}));
}

TEST(DelimitedReader, EmptyLinesAndAdjacentCommasGiveEmptyFields) {
    EXPECT_EQ(allFields("\r\n\r\nx\r\n"), (QStringList{"", "", "x"}));
    EXPECT_EQ(allFields("a,,b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(allFields("a,\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(allFields("a,"), (QStringList{"a", ""}));
}

TEST(DelimitedReader, ReportsTheEndOfData) {
    DelimitedReader reader("only\r\n");
    QString field;
    EXPECT_FALSE(reader.atEnd());
    ASSERT_TRUE(reader.readField(field));
    EXPECT_EQ(field, "only");
    EXPECT_TRUE(reader.atEnd());
    field = "untouched";
    EXPECT_FALSE(reader.readField(field));
    EXPECT_EQ(field, "untouched");

    EXPECT_TRUE(allFields("").isEmpty());
    // A last line without its line end still counts.
    EXPECT_EQ(allFields("a\r\nb"), (QStringList{"a", "b"}));
}

TEST(DelimitedReader, EveryHighByteComesBackAsTheSameLatin1Character) {
    QByteArray data;
    for (int code = 128; code <= 255; ++code)
        data += static_cast<char>(code);
    const QStringList fields = allFields(data + "\r\n");
    ASSERT_EQ(fields.size(), 1);
    ASSERT_EQ(fields[0].size(), 128);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(fields[0][i].unicode(), 128 + i);
}

TEST(DelimitedReader, MissingFileReadsAsNoData) {
    QTemporaryDir dir;
    DelimitedReader reader = DelimitedReader::fromFile(dir.filePath("absent.dat"));
    QString field;
    EXPECT_FALSE(reader.readField(field));
    EXPECT_TRUE(reader.atEnd());
}
