// The settings-file writer and line reader: CR LF lines, Latin-1 bytes, owner-only files, and
// atomic replacement that leaves the previous file when a save fails or is cut short.

#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int modeBits(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// Files may not grow beyond `bytes` while it lives: a write past that fails (the process
// ignores the signal) as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

const QStringList kNewLines = {"a much longer new content", "that cannot fit", "", ""};

// Runs in the forked writer: no core file, the size-limit signal kills, files stop at 6 bytes.
void writeThenDieOfSizeLimit(const QString& path) {
    rlimit limit{};
    ::setrlimit(RLIMIT_CORE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 6;
    ::setrlimit(RLIMIT_FSIZE, &limit);
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

TEST_F(TextFileTest, LinesEndWithCrLfAndEmptyLinesStayEmpty) {
    ASSERT_TRUE(storage::writeLines(path("a.dat"), {"15", "8", "Full_Screen", "", ""}));
    EXPECT_EQ(fileBytes(path("a.dat")), QByteArray("15\r\n8\r\nFull_Screen\r\n\r\n\r\n"));
}

TEST_F(TextFileTest, EveryLatin1CodeRoundTripsThroughWriterAndLineReader) {
    QString text;
    for (int code = 1; code <= 255; ++code) {
        if (code != '\r' && code != '\n')
            text += QChar(code);
    }
    ASSERT_TRUE(storage::writeLines(path("b.dat"), {text, "next"}));
    const QByteArray bytes = fileBytes(path("b.dat"));
    EXPECT_EQ(bytes, text.toLatin1() + "\r\nnext\r\n");

    storage::LineReader reader(path("b.dat"));
    QString line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, text);
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "next");
    EXPECT_FALSE(reader.readLine(line));
}

TEST_F(TextFileTest, LineReaderTakesAnyLineEndAndStopsAtTheEnd) {
    QFile f(path("c.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("one\r\n\r\ntwo\nthree");
    f.close();
    storage::LineReader reader(path("c.dat"));
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    EXPECT_EQ(lines, (QStringList{"one", "", "two", "three"}));

    storage::LineReader missing(path("absent.dat"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.readLine(line));
}

TEST_F(TextFileTest, OwnerOnlyFilesAreCreatedAndReplacedWithMode0600) {
    ASSERT_TRUE(storage::writeLines(path("p.dat"), {"x"}, storage::FileAccess::OwnerOnly));
    EXPECT_EQ(modeBits(path("p.dat")), 0600);

    // A file someone made readable by all is tightened by the next save.
    ASSERT_TRUE(QFile::setPermissions(path("p.dat"), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(storage::writeLines(path("p.dat"), {"y"}, storage::FileAccess::OwnerOnly));
    EXPECT_EQ(modeBits(path("p.dat")), 0600);
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

TEST_F(TextFileTest, WriterOntoADirectoryFails) {
    ASSERT_TRUE(QDir().mkpath(path("dir.dat")));
    EXPECT_FALSE(storage::writeLines(path("dir.dat"), {"x"}));
    EXPECT_TRUE(QFileInfo(path("dir.dat")).isDir());
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

TEST_F(TextFileTest, RemoveForcedDeletesReadOnlyFilesAndAcceptsMissingOnes) {
    ASSERT_TRUE(storage::writeLines(path("ro.dat"), {"x"}));
    ASSERT_TRUE(QFile::setPermissions(path("ro.dat"), QFile::ReadOwner));
    EXPECT_TRUE(storage::removeForced(path("ro.dat")));
    EXPECT_FALSE(QFile::exists(path("ro.dat")));
    EXPECT_TRUE(storage::removeForced(path("never.dat")));
}
