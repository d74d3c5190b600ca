// The settings-file writer and line reader: CR LF lines, Latin-1 bytes, marked lines for other
// texts, owner-only files, and atomic replacement that leaves the previous file when a save
// fails or is cut short.

#include "FileSizeLimit.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList kNewLines = {"a much longer new content", "that cannot fit", "", ""};

// Runs in the forked writer: no core file, and the size-limit signal kills it after 6 bytes.
void writeThenDieOfSizeLimit(const QString& path) {
    rlimit noCore{};
    ::setrlimit(RLIMIT_CORE, &noCore);
    FileSizeLimit limit(6, SIG_DFL);
    storage::writeLines(path, kNewLines);
    ::_exit(0);
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(TextFileTest, LinesAreLatin1EndedByCrLfAndReadBackWithAnyLineEnd) {
    QString text;
    for (int code = 1; code <= 255; ++code) {
        if (code != '\r' && code != '\n')
            text += QChar(code);
    }
    ASSERT_TRUE(storage::writeLines(path("b.dat"), {text, "", "next"}));
    const QByteArray bytes = fileBytes(path("b.dat"));
    EXPECT_EQ(bytes, text.toLatin1() + "\r\n\r\nnext\r\n");

    // Lines read back whatever their end: CR LF, LF, or none at the end of the file.
    ASSERT_TRUE(storage::writeFileAtomically(path("b.dat"), bytes + "two\nthree"));
    storage::LineReader reader(path("b.dat"));
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    EXPECT_EQ(lines, (QStringList{text, "", "next", "two", "three"}));
}

TEST_F(TextFileTest, TextsBeyondLatin1OrHoldingLineEndsReadBackExactlyOnTheirOwnLines) {
    const QStringList texts = {
        QString::fromUtf8("/home/иван/Фото/pic.jpg"),
        "/home/anna/first\nsecond\r\nthird\r.jpg",
        QString::fromUtf8("Łódź, \"PL\" 100% \U0001F326"),
        QString::fromUtf8("\uFEFFstarts with its own mark"),
        // Latin-1 texts that look like the mark or like an escape.
        QString::fromLatin1("\xEF\xBB\xBF%2C"),
        QString::fromLatin1("\xEF\xBB\xBF"),
        "%2C",
        "",
    };
    ASSERT_TRUE(storage::writeLines(path("m.dat"), texts));
    EXPECT_EQ(fileBytes(path("m.dat")).count("\r\n"), texts.size());
    storage::LineReader reader(path("m.dat"));
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    EXPECT_EQ(lines, texts);
    // Plain texts keep their Latin-1 bytes.
    EXPECT_EQ(fileBytes(path("m.dat")).right(7), QByteArray("%2C\r\n\r\n"));
}

TEST_F(TextFileTest, LinesThatStartWithTheMarkButWereNotWrittenMarkedStayLatin1) {
    // Lines an older writer could have made: the mark's three characters then anything.
    for (const QByteArray& bytes :
         {QByteArray("\xEF\xBB\xBF"),
          QByteArray("\xEF\xBB\xBF"
                     "abc"),
          QByteArray("\xEF\xBB\xBF%zz"), QByteArray("\xEF\xBB\xBF%2c%2C"),
          QByteArray("\xEF\xBB\xBF\xC3"), QByteArray("\xEF\xBB\xBF\xC3\xA9,x")}) {
        EXPECT_EQ(storage::decodeLine(bytes), QString::fromLatin1(bytes)) << bytes.toHex().data();
    }
}

TEST_F(TextFileTest, OwnerOnlySaveTightensAFileReadableByAllToMode0600) {
    ASSERT_TRUE(storage::writeLines(path("p.dat"), {"x"}));
    ASSERT_TRUE(QFile::setPermissions(path("p.dat"), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(storage::writeLines(path("p.dat"), {"y"}, storage::FileAccess::OwnerOnly));
    EXPECT_EQ(QFile::permissions(path("p.dat")),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(fileBytes(path("p.dat")), QByteArray("y\r\n"));
}

TEST_F(TextFileTest, FailedWriteReportsFailureAndLeavesThePreviousFile) {
    const QByteArray old("old\r\n\r\n\r\n");
    ASSERT_TRUE(storage::writeFileAtomically(path("cfg.dat"), old));
    bool written = true;
    {
        FileSizeLimit limit(8);
        written = storage::writeLines(path("cfg.dat"), kNewLines);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path("cfg.dat")), old);
    // No half-written temporary file is left behind either.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"cfg.dat"});
}

using TextFileDeathTest = TextFileTest;

TEST_F(TextFileDeathTest, ProcessKilledInTheMiddleOfASaveLeavesThePreviousFile) {
    const QByteArray old("15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
    ASSERT_TRUE(storage::writeFileAtomically(path("cfg.dat"), old));
    // The writer (a fork of this process, so it writes to the same folder) dies of the
    // size-limit signal after a few bytes, as if the power went.
    EXPECT_EXIT(writeThenDieOfSizeLimit(path("cfg.dat")), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(fileBytes(path("cfg.dat")), old);
}
