// The collections package read and unpacked by the program: collection files taken, everything
// that could write elsewhere or without bound refused before anything is written.
#include "Archive.h"
#include "QtPrinters.h"
#include "i18n/Messages.h"
#include "updates/CollectionsPackage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using catalogueservice::ArchiveEntry;
using catalogueservice::ArchiveFormat;
using catalogueservice::FileEntry;
using catalogueservice::WriteArchive;

namespace {

class CollectionsPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(collections));
    }
    QString package(const QList<ArchiveEntry>& entries,
                    ArchiveFormat format = ArchiveFormat::TarGz) {
        const QByteArray bytes = WriteArchive(entries, format);
        EXPECT_FALSE(bytes.isEmpty());
        const QString path = dir.filePath("package");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // Everything below the temporary folder, outside the collections folder included.
    QStringList everyFile() const {
        QStringList files;
        for (const QString& name :
             QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden))
            files << name;
        for (const QString& name : QDir(collections).entryList(QDir::Files | QDir::System))
            files << "collections/" + name;
        files.removeAll("package");
        return files;
    }

    QTemporaryDir dir;
    const QString collections = dir.filePath("collections");
    const ArchiveEntry xml =
        FileEntry("Nimbrisco_Collection_Demo_002.xml", "<NimbriscoCollection/>");
    const ArchiveEntry dat = FileEntry("Nimbrisco_Collection_Demo_002.dat", "0\r\n1\r\n");
};

TEST_F(CollectionsPackageTest, CollectionFilesOfATarGzOrAZipAreWrittenIntoTheFolder) {
    for (const ArchiveFormat format : {ArchiveFormat::TarGz, ArchiveFormat::Zip}) {
        QDir(collections).removeRecursively();
        QDir().mkpath(collections);
        // tar writes the names of a folder's files below "./", with an entry for "." itself.
        ArchiveEntry below = dat;
        below.name = "./" + dat.name;
        const updates::PackageResult result = updates::extractPackage(
            package({{"./", {}, ArchiveEntry::Kind::Folder, {}}, xml, below}, format), collections);
        ASSERT_TRUE(result.ok) << result.reason.toStdString();
        EXPECT_EQ(everyFile(), (QStringList{"collections/" + dat.name, "collections/" + xml.name}));
        QFile written(collections + "/" + dat.name);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), dat.bytes);
    }
}

TEST_F(CollectionsPackageTest, PackagesThatReachOutsideOrHoldOtherThingsAreRefusedWhole) {
    namespace text = i18n::text;
    struct Case {
        const char* what;
        QList<ArchiveEntry> entries;
        QString reason;
    };
    const QList<Case> cases = {
        {"a name with ../",
         {xml, FileEntry("../Nimbrisco_Collection_X.xml", "x")},
         text::kPackageBadName.arg("../Nimbrisco_Collection_X.xml")},
        {"a name in a folder",
         {FileEntry("sub/Nimbrisco_Collection_X.xml", "x")},
         text::kPackageBadName.arg("sub/Nimbrisco_Collection_X.xml")},
        {"an absolute name",
         {xml, FileEntry(dir.filePath("Nimbrisco_Collection_X.xml"), "x")},
         text::kPackageBadName.arg(dir.filePath("Nimbrisco_Collection_X.xml"))},
        {"a symbolic link",
         {xml,
          {"Nimbrisco_Collection_Link.xml", {}, ArchiveEntry::Kind::Symlink, dir.filePath("x")}},
         text::kPackageNotAFile.arg("Nimbrisco_Collection_Link.xml")},
        {"a hard link",
         {xml, {"Nimbrisco_Collection_Hard.xml", {}, ArchiveEntry::Kind::Hardlink, xml.name}},
         text::kPackageNotAFile.arg("Nimbrisco_Collection_Hard.xml")},
        {"a program",
         {xml, FileEntry("collections.exe", "#!/bin/sh\nrm -rf ~\n")},
         text::kPackageBadName.arg("collections.exe")},
        // Folders are written with a "/" after their name.
        {"a folder",
         {{"Nimbrisco_Collection_Dir.xml", {}, ArchiveEntry::Kind::Folder, {}}},
         text::kPackageBadName.arg("Nimbrisco_Collection_Dir.xml/")},
        {"the record of the installed collections",
         {FileEntry("LocalCollection.dat", "x")},
         text::kPackageBadName.arg("LocalCollection.dat")},
        {"nothing", {}, text::kPackageEmpty},
    };
    for (const Case& c : cases) {
        const updates::PackageResult result =
            updates::extractPackage(package(c.entries), collections);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_EQ(result.reason, c.reason) << c.what;
        EXPECT_EQ(everyFile(), QStringList()) << c.what;
    }
}

TEST_F(CollectionsPackageTest, CountAndSizeAreBoundedAndOtherFilesAreNoPackage) {
    updates::PackageLimits limits;
    limits.maxFiles = 3;
    limits.maxFileBytes = 1000;
    limits.maxTotalBytes = 1500;
    const QByteArray big(1001, 'x');
    EXPECT_EQ(
        updates::extractPackage(package({FileEntry(xml.name, big)}), collections, limits).reason,
        i18n::text::kPackageTooLarge.arg(xml.name).arg(1000));
    EXPECT_EQ(updates::extractPackage(package({FileEntry(xml.name, QByteArray(800, 'x')),
                                               FileEntry(dat.name, QByteArray(800, 'x'))}),
                                      collections, limits)
                  .reason,
              i18n::text::kPackageTotalTooLarge.arg(1500));
    QList<ArchiveEntry> many;
    for (int i = 0; i < 4; ++i)
        many << FileEntry(QString("Nimbrisco_Collection_%1.xml").arg(i), "x");
    EXPECT_EQ(updates::extractPackage(package(many), collections, limits).reason,
              i18n::text::kPackageTooManyFiles.arg(3));
    EXPECT_EQ(everyFile(), QStringList());

    // A small zip that inflates far beyond the bound.
    QByteArray zip =
        WriteArchive({FileEntry(xml.name, QByteArray(100000, 'z'))}, ArchiveFormat::Zip);
    QFile bomb(dir.filePath("package"));
    ASSERT_TRUE(bomb.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bomb.write(zip);
    bomb.close();
    EXPECT_FALSE(updates::extractPackage(bomb.fileName(), collections, limits).ok);

    QFile text(dir.filePath("package"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write("<html>Not found</html>");
    text.close();
    EXPECT_EQ(updates::extractPackage(text.fileName(), collections).reason,
              i18n::text::kPackageUnreadable);
    EXPECT_EQ(everyFile(), QStringList());
}

TEST(CollectionFileName, OnlyPlainCollectionNames) {
    for (const char* name :
         {"Nimbrisco_Collection_12082024_101530.xml", "Nimbrisco_Collection_Demo-2.dat"})
        EXPECT_TRUE(updates::isCollectionFileName(name)) << name;
    for (const char* name : {"Nimbrisco_Collection_.xml", "Nimbrisco_Collection_a.XML",
                             "Nimbrisco_Collection_a.xml.sh", "Nimbrisco_Collection_a/b.xml",
                             "Nimbrisco_Collection_..xml", ".Nimbrisco_Collection_a.xml",
                             "Nimbrisco_Collection_a.xml\n", "nimbrisco_collection_a.xml"})
        EXPECT_FALSE(updates::isCollectionFileName(name)) << name;
}

} // namespace
