// Collections on the real window: the backup's two files, its XML bytes and message, and the
// restore of new and old files, of broken, oversized and crowded ones, and of a cancelled choice.
#include "PanelFixture.h"

#include "core/PanelControl.h"
#include "panel/CollectionFile.h"
#include "panel/Collections.h"
#include "panel/PictureSelectionPage.h"
#include "storage/ConfigFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

using platform::MsgIcon;

const QDateTime kBackupTime(QDate(2024, 12, 8), QTime(10, 15, 30));
const QString kStamp = QStringLiteral("12082024_101530");
const QString kSaved = QStringLiteral("Collection Saved with date and time info on:");
const QString kReloaded =
    QStringLiteral("Table reloaded, Please restart Nimbrisco to trim exact time for every picture");
const QString kNotLoaded = QStringLiteral("Error: Failed to load xml data from file.");

// Three entries a backup is made of (an "&", accents in the code and the description, a code
// with "-"), and one more.
const QStringList kDescriptions{
    QStringLiteral("Sat SAT1 Europe & Africa"),
    QStringLiteral("Mappa MÉTÉO température"),
    QStringLiteral("A1 XY-12 Europe"),
    QStringLiteral("Other OTH1 left alone"),
};

// What a backup of the first three on 8 December 2024 at 10:15:30 writes.
const QByteArray kThreeItemsXml =
    "<?xml version=\"1.0\"?>\r\n"
    "<NimbriscoCollection>\r\n"
    "\t<NimbriscoVersion>5</NimbriscoVersion>\r\n"
    "\t<Description>Nimbrisco5 Pictures Collection</Description>\r\n"
    "\t<number>00001</number>\r\n"
    "\t<ThisFile>Nimbrisco_Collection_12082024_101530.xml</ThisFile>\r\n"
    "\t<Autor>Created by User</Autor>\r\n"
    "\t<date>12-08-2024 10:15:30</date>\r\n"
    "\t<PicList>\r\n"
    "\t\t<PicItem>\r\n"
    "\t\t\t<CodePic>SAT1</CodePic>\r\n"
    "\t\t\t<Description> - Sat SAT1 Europe _ Africa</Description>\r\n"
    "\t\t</PicItem>\r\n"
    "\t\t<PicItem>\r\n"
    "\t\t\t<CodePic>MÉTÉO</CodePic>\r\n"
    "\t\t\t<Description> - Mappa MÉTÉO température</Description>\r\n"
    "\t\t</PicItem>\r\n"
    "\t\t<PicItem>\r\n"
    "\t\t\t<CodePic>XY12</CodePic>\r\n"
    "\t\t\t<Description> - A1 XY-12 Europe</Description>\r\n"
    "\t\t</PicItem>\r\n"
    "\t</PicList>\r\n"
    "</NimbriscoCollection>\r\n";

// A document of `items` PicItem elements with the code "SAT1", `padding` blanks before its end.
QByteArray documentOf(int items, int padding = 0) {
    QByteArray bytes = "<?xml version=\"1.0\"?>\r\n<NimbriscoCollection><PicList>";
    for (int i = 0; i < items; ++i)
        bytes += "<PicItem><CodePic>SAT1</CodePic></PicItem>";
    bytes += "</PicList>";
    bytes += QByteArray(padding, ' ');
    return bytes + "</NimbriscoCollection>\r\n";
}

class CollectionsTest : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(openPanel());
        form().parts().panelControl->panControl_Timer();
        clickTab(panel().pagePictureSelection);
        useCatalogue(kDescriptions);
        messages().clear();
    }

    QListWidget* list() { return panel().Tabella_Mappe_Selezionate; }
    QString collectionsDir() { return state().Nimbrisco_Collections_Dir; }
    QString collectionPath(const QString& name) { return collectionsDir() + '/' + name; }

    // The list holds one entry per description, none selected (nor saved as selected).
    void useCatalogue(const QStringList& descriptions) {
        for (int k = 0; k <= PictureSelectionPage::kMaxEntries; ++k) {
            const bool used = k < descriptions.size();
            state().listURL[k] = used ? QStringLiteral("2ttp://127.0.0.1:1/e%1.jpg").arg(k) : "";
            state().listURLcomment[k] = used ? descriptions[k] : "";
            state().listIdEntry[k] = used ? 100 + k : 0;
        }
        writeWorkFile(ConfigFiles::kPictureListFile, "\r\n\r\n");
        form().parts().pictureSelection->FillPictureList();
    }
    // The picture-list file of the test catalogue's `rows`.
    static QByteArray pictureListOf(const QList<int>& rows) {
        QByteArray bytes;
        for (int row : rows)
            bytes += QByteArray::number(row) + "\r\n" + QByteArray::number(100 + row) + "\r\n";
        return bytes + "\r\n\r\n";
    }
    void setNow(const QDateTime& at) { clock().advance(clock().now().msecsTo(at)); }

    // Selects the first three entries with clicks and backs them up at kBackupTime.
    void backUpFirstThree() {
        for (int row : {0, 1, 2})
            clickListItem(row);
        ASSERT_EQ(selectedRows(), (QList<int>{0, 1, 2}));
        setNow(kBackupTime);
        click(panel().SSTCfg_BackUpcnf);
    }
    // Restores `path` from the Picture Selection page with a click on the Load icon.
    void restore(const QString& path) {
        panel().SSTCfg->setCurrentWidget(panel().pagePictureSelection);
        fileDialogs().answer = path;
        messages().clear();
        click(panel().SSTCfg_Loadcnf);
    }
    QString writeCollection(const QString& name, const QByteArray& bytes) {
        const QString path = collectionPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // Nothing of the list, the saved selection or the page changed since `savedList`.
    void expectNothingChanged(const QList<int>& rows, const QByteArray& savedList) {
        EXPECT_EQ(selectedRows(), rows);
        EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), savedList);
        EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pagePictureSelection);
        EXPECT_TRUE(panel().Wait_Ico->isHidden());
    }
};

// The result of `xmllint --noout` on `path`: empty when it accepts the file.
QString xmllintComplaint(const QString& tool, const QString& path) {
    QProcess lint;
    lint.start(tool, {QStringLiteral("--noout"), path});
    if (!lint.waitForFinished(60000))
        return QStringLiteral("xmllint did not end");
    if (lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0)
        return QString();
    return QString::fromLocal8Bit(lint.readAllStandardError());
}

} // namespace

TEST_F(CollectionsTest, ABackupWritesBothFilesNamedAfterTheStampAndSaysWhere) {
    EXPECT_EQ(collection::stamp(kBackupTime), kStamp);
    backUpFirstThree();

    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    const QString dat = collectionPath("Nimbrisco_Collection_12082024_101530.dat");
    ASSERT_TRUE(QFile::exists(xml));
    ASSERT_TRUE(QFile::exists(dat));
    // The .dat file is the selection the backup saved first.
    const QByteArray saved = pictureListOf({0, 1, 2});
    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), saved);
    QFile datFile(dat);
    ASSERT_TRUE(datFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(datFile.readAll(), saved);

    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text,
              kSaved + "\r\n" + collectionsDir() + "/Nimbrisco_Collection_12082024_101530.XML");
    EXPECT_EQ(messages().last().title, QStringLiteral("Nimbrisco"));
    EXPECT_EQ(messages().last().icon, MsgIcon::None);
    // The caption beside the icon has no action of its own.
    messages().clear();
    click(panel().SSTCfg_Backupconf);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(CollectionsTest, TheBackupsXmlIsUtf8WithTabsAndLineEndsAsAlwaysAndAParserReadsIt) {
    backUpFirstThree();
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    QFile file(xml);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kThreeItemsXml);

    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (tool.isEmpty())
        GTEST_SKIP() << "xmllint (package libxml2-utils) is not installed: the check of the file "
                        "by a standard XML parser is skipped";
    EXPECT_EQ(xmllintComplaint(tool, xml), QString());
}

TEST_F(CollectionsTest, ACodeWithMarkupCharactersIsEscapedAndFoundAgain) {
    useCatalogue({QStringLiteral("Radar R&D<1> loop"), QStringLiteral("Sat SAT1 Europe")});
    clickListItem(0);
    setNow(kBackupTime);
    click(panel().SSTCfg_BackUpcnf);
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    QFile file(xml);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\t\t\t<CodePic>R&amp;D&lt;1&gt;</CodePic>\r\n"));
    EXPECT_TRUE(bytes.contains("\t\t\t<Description> - Radar R_D_1_ loop</Description>\r\n"));

    useCatalogue({QStringLiteral("Sat SAT1 Europe"), QStringLiteral("Radar R&D<1> loop")});
    restore(xml);
    EXPECT_EQ(selectedRows(), QList<int>{1});

    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (tool.isEmpty())
        GTEST_SKIP() << "xmllint (package libxml2-utils) is not installed: the check of the file "
                        "by a standard XML parser is skipped";
    EXPECT_EQ(xmllintComplaint(tool, xml), QString());
}

TEST_F(CollectionsTest, ARestoreAddsTheFilesEntriesToTheSelectionAndSavesTheUnion) {
    backUpFirstThree();
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    // Another selection meanwhile: only the fourth entry.
    click(panel().Label11);
    clickListItem(3);
    ASSERT_EQ(selectedRows(), QList<int>{3});
    state().GLOBAL_IMAGE_CURRENT_POINTER = 5;
    state().configDirty = 0;

    restore(xml);
    EXPECT_EQ(messages().beeps, 1);
    ASSERT_EQ(fileDialogs().calls.size(), 1u);
    EXPECT_EQ(fileDialogs().calls[0].title, QStringLiteral("Restore or Load Configuration File"));
    EXPECT_EQ(fileDialogs().calls[0].filter, QStringLiteral("All Files (*)"));
    EXPECT_EQ(QDir(fileDialogs().calls[0].directory), QDir(collectionsDir()));
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});
    EXPECT_EQ(messages().last().icon, MsgIcon::None);

    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), pictureListOf({0, 1, 2, 3}));
    EXPECT_EQ(selectedRows(), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageRunExit);
    EXPECT_TRUE(panel().Wait_Ico->isHidden());
    EXPECT_EQ(state().configDirty, 1);
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 0);
    EXPECT_EQ(state().listCodePic[2], QStringLiteral("XY-12"));
    EXPECT_EQ(state().listCodePic[1], QStringLiteral("MÉTÉO"));
    EXPECT_EQ(state().listCodePic[4], QStringLiteral("0"));
}

TEST_F(CollectionsTest, AnEightBitFileWrittenTheOldWayRestores) {
    useCatalogue({QStringLiteral("Sat SAT1 Europe"), QStringLiteral("Mappa MÉTÉO température"),
                  QStringLiteral("A1 XY-12 Europe"), QStringLiteral("Costs 5€ map"),
                  QStringLiteral("Other OTH1 left alone")});
    // Windows-1252: é is 0xE9, É 0xC9, € 0x80; codes without "-"; no escaping.
    const QByteArray old =
        "<?xml version=\"1.0\"?>\r\n"
        "<NimbriscoCollection>\r\n"
        "\t<NimbriscoVersion>5</NimbriscoVersion>\r\n"
        "\t<PicList>\r\n"
        "\t\t<PicItem>\r\n"
        "\t\t\t<CodePic>M\xC9T\xC9O</CodePic>\r\n"
        "\t\t\t<Description> - Mappa M\xC9T\xC9O temp\xE9rature</Description>\r\n"
        "\t\t</PicItem>\r\n"
        "\t\t<PicItem>\r\n"
        "\t\t\t<CodePic> XY12 </CodePic>\r\n"
        "\t\t\t<Description> - A1 XY-12 Europe</Description>\r\n"
        "\t\t</PicItem>\r\n"
        "\t\t<PicItem>\r\n"
        "\t\t\t<CodePic>5\x80</CodePic>\r\n"
        "\t\t</PicItem>\r\n"
        "\t</PicList>\r\n"
        "</NimbriscoCollection>\r\n";
    restore(writeCollection("old.xml", old));
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});
    EXPECT_EQ(selectedRows(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), pictureListOf({1, 2, 3}));
}

TEST_F(CollectionsTest, TheMessagesFollowTheLanguage) {
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    const QString expectedPath = collectionsDir() + "/Nimbrisco_Collection_12082024_101530.XML";
    state().Lingua = 3;
    backUpFirstThree();
    EXPECT_EQ(messages().texts(),
              QStringList{"Votre Collection a été faite en toute sécurité:\r\n" + expectedPath});
    restore(xml);
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});

    state().Lingua = 2;
    messages().clear();
    panel().SSTCfg->setCurrentWidget(panel().pagePictureSelection);
    setNow(kBackupTime);
    click(panel().SSTCfg_BackUpcnf);
    EXPECT_EQ(messages().texts(),
              QStringList{"Collection salvata con data e ora su:\r\n" + expectedPath});
    restore(xml);
    EXPECT_EQ(messages().texts(),
              QStringList{"Tabella ricaricata, riavviare il programma per ripristinare i tempi "
                          "corretti ad ogni immagine"});

    state().Lingua = 4;
    messages().clear();
    panel().SSTCfg->setCurrentWidget(panel().pagePictureSelection);
    setNow(kBackupTime);
    click(panel().SSTCfg_BackUpcnf);
    EXPECT_EQ(messages().texts(), QStringList{"Su Colección se hizo fuerte:\r\n" + expectedPath});
    restore(xml);
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});

    // No language chosen: both work without a word.
    state().Lingua = 999;
    messages().clear();
    panel().SSTCfg->setCurrentWidget(panel().pagePictureSelection);
    click(panel().SSTCfg_BackUpcnf);
    EXPECT_TRUE(messages().shown.empty());
    restore(xml);
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_EQ(selectedRows(), (QList<int>{0, 1, 2}));
}

TEST_F(CollectionsTest, AFileThatIsNotXmlOrCannotBeReadChangesNothing) {
    clickListItem(3);
    const QByteArray saved = readWorkFile(ConfigFiles::kPictureListFile);
    state().configDirty = 0;
    const QList<QByteArray> broken{
        "<?xml version=\"1.0\"?>\r\n<NimbriscoCollection><PicList><PicItem><CodePic>SAT1"
        "</CodePic></PicItem>",
        "<NimbriscoCollection><PicItem><CodePic>R&D</CodePic></PicItem></NimbriscoCollection>",
        "",
    };
    for (const QByteArray& bytes : broken) {
        restore(writeCollection("broken.xml", bytes));
        EXPECT_EQ(messages().texts(), QStringList{kNotLoaded}) << bytes.toStdString();
        EXPECT_EQ(messages().last().icon, MsgIcon::None);
        expectNothingChanged({3}, saved);
        EXPECT_EQ(state().configDirty, 0);
    }
    // An external entity is never fetched: its file names the first entry.
    writeCollection("code.txt", "SAT1");
    restore(writeCollection(
        "entity.xml",
        "<?xml version=\"1.0\"?>\r\n<!DOCTYPE c [<!ENTITY e SYSTEM \"code.txt\">]>\r\n"
        "<c><PicItem><CodePic>&e;</CodePic></PicItem></c>\r\n"));
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});
    EXPECT_EQ(selectedRows(), QList<int>{3});
    const QByteArray afterEntity = readWorkFile(ConfigFiles::kPictureListFile);
    EXPECT_EQ(afterEntity, pictureListOf({3}));
    panel().SSTCfg->setCurrentWidget(panel().pagePictureSelection);
    // A missing file and a folder.
    for (const QString& path : {collectionPath("missing.xml"), collectionsDir()}) {
        restore(path);
        EXPECT_EQ(messages().texts(), QStringList{kNotLoaded}) << path.toStdString();
        expectNothingChanged({3}, afterEntity);
    }
}

TEST_F(CollectionsTest, ACancelledChoiceSaysSoAndStillSavesAndReloadsTheList) {
    clickListItem(1);
    for (const QString& answer : {QString(), QStringLiteral(" /somewhere/file.xml")}) {
        writeWorkFile(ConfigFiles::kPictureListFile, "\r\n\r\n");
        state().GLOBAL_IMAGE_CURRENT_POINTER = 3;
        restore(answer);
        ASSERT_EQ(messages().shown.size(), 1u);
        EXPECT_EQ(messages().last().text, QStringLiteral("INVALID FILE SELECTION - REPEAT PLEASE"));
        EXPECT_EQ(messages().last().icon, MsgIcon::Critical);
        // The list's selection was saved and reselected from the file.
        EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), pictureListOf({1}));
        EXPECT_EQ(selectedRows(), QList<int>{1});
        EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageRunExit);
        EXPECT_EQ(state().configDirty, 1);
        EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 0);
    }
}

TEST_F(CollectionsTest, AnEmptyListAtTheEndIsNamed) {
    backUpFirstThree();
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    useCatalogue({});
    restore(xml);
    EXPECT_EQ(messages().texts(),
              (QStringList{kReloaded, QStringLiteral("Error: reaload valid XML file")}));
    restore(QString());
    EXPECT_EQ(messages().texts(), (QStringList{"INVALID FILE SELECTION - REPEAT PLEASE",
                                               "Error: reaload valid XML file"}));
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(CollectionsTest, AnOversizedFileAndOneWithTooManyItemsAreRefused) {
    clickListItem(3);
    const QByteArray saved = readWorkFile(ConfigFiles::kPictureListFile);
    const int bare = documentOf(1).size();

    restore(writeCollection("large.xml", documentOf(1, collection::kMaxFileBytes + 1 - bare)));
    EXPECT_EQ(messages().texts(),
              QStringList{"Error: the collection file is larger than 4 MB and was not loaded."});
    expectNothingChanged({3}, saved);

    restore(writeCollection("crowded.xml", documentOf(collection::kMaxItems + 1)));
    EXPECT_EQ(messages().texts(), QStringList{"Error: the collection file names more than 2000 "
                                              "pictures and was not loaded."});
    expectNothingChanged({3}, saved);

    // At the bounds the files restore.
    restore(writeCollection("full.xml", documentOf(1, collection::kMaxFileBytes - bare)));
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});
    EXPECT_EQ(selectedRows(), (QList<int>{0, 3}));
    restore(writeCollection("many.xml", documentOf(collection::kMaxItems)));
    EXPECT_EQ(messages().texts(), QStringList{kReloaded});
}

TEST_F(CollectionsTest, ABackupThatCannotBeWrittenIsNotReportedAsSaved) {
    // A folder where the XML file would go.
    const QString xml = collectionPath("Nimbrisco_Collection_12082024_101530.xml");
    ASSERT_TRUE(QDir().mkpath(xml));
    backUpFirstThree();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text,
              QStringLiteral("Error: the collection could not be written to ") + xml);
    EXPECT_EQ(messages().last().icon, MsgIcon::Critical);
}
