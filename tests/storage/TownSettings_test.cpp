// The town file: the eighteen default lines, reading fields and the unit, commas and quotes in
// fields, a short file, and writing edits back, names beyond Latin-1 included, or saying why not.

#include "FileSizeLimit.h"
#include "FormFixture.h"

#include "storage/TownSettings.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kTown = TownSettings::kTownFile;
const QByteArray kDefaults = "Courmayeur\r\nNew+York\r\nny\r\nus\r\nNaples\r\nItaly\r\n"
                             "OPTION1\r\nOPTION2\r\nOPTION3\r\nOPTION4\r\nOPTION5\r\nOPTION6\r\n"
                             "OPTION7\r\nOPTION8\r\nF\r\n \r\n \r\n \r\n";

class TownSettingsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
    }
    TownSettings& town() { return *form().parts().townSettings; }
    const TownFrame& frame() { return form().parts().townSettings->frame(); }
    QString param(int i) { return frame().PARAM[static_cast<std::size_t>(i)]->text(); }
    // The default file with line `line` (1-based) replaced.
    QByteArray defaultsWithLine(int line, const QByteArray& text) {
        QList<QByteArray> lines = kDefaults.split('\n');
        lines[line - 1] = text + '\r';
        return lines.join('\n');
    }
};

} // namespace

TEST_F(TownSettingsTest, FirstLoadCreatesTheEighteenDefaultLines) {
    frame().Centigradi->setChecked(true);
    town().LoadTownSettings();
    EXPECT_EQ(readWorkFile(kTown), kDefaults);
    EXPECT_EQ(param(13), "OPTION8");
    EXPECT_TRUE(frame().Farenaith->isChecked());
}

TEST_F(TownSettingsTest, OnlyAnUpperCaseFSelectsFahrenheit) {
    writeWorkFile(kTown, defaultsWithLine(15, "  F  "));
    town().ReadTownFile();
    EXPECT_TRUE(frame().Farenaith->isChecked());
    writeWorkFile(kTown, defaultsWithLine(15, "f"));
    town().ReadTownFile();
    EXPECT_TRUE(frame().Centigradi->isChecked());
}

TEST_F(TownSettingsTest, FieldsAreTrimmedQuotesKeepCommasAndABareCommaShiftsTheRest) {
    QByteArray file = defaultsWithLine(1, "Cour,mayeur");
    file.replace("New+York", "  \"New York, NY\"").replace("Naples", "Naples  ");
    writeWorkFile(kTown, file);
    town().ReadTownFile();
    EXPECT_EQ(param(0), "Cour");
    EXPECT_EQ(param(1), "mayeur");
    EXPECT_EQ(param(2), "New York, NY");
    EXPECT_EQ(param(5), "Naples");
    EXPECT_EQ(param(13), "OPTION7");
    // The unit is read from the line that held OPTION8.
    EXPECT_TRUE(frame().Centigradi->isChecked());
}

TEST_F(TownSettingsTest, ShortFileShowsTheErrorKeepsWhatWasReadAndIsNotRewritten) {
    frame().PARAM[3]->setText("before");
    const QByteArray shortFile = "Aosta\r\nParis\r\nfr\r\n";
    writeWorkFile(kTown, shortFile);
    town().LoadTownSettings();
    EXPECT_EQ(messages().texts(), QStringList{"Error FileTown - Cleanup Please"});
    EXPECT_EQ(param(2), "fr");
    EXPECT_EQ(param(3), "before");
    EXPECT_EQ(readWorkFile(kTown), shortFile);
}

TEST_F(TownSettingsTest, EditedFieldsAndUnitAreWrittenBack) {
    town().LoadTownSettings();
    frame().PARAM[0]->setText("Aosta");
    frame().Centigradi->setChecked(true);
    town().WriteTownFile();
    QByteArray expected = kDefaults;
    expected.replace("Courmayeur", "Aosta").replace("\r\nF\r\n", "\r\nC\r\n");
    EXPECT_EQ(readWorkFile(kTown), expected);

    // A name beyond Latin-1 reads back as typed at the next start.
    frame().PARAM[0]->setText(QString::fromUtf8("Łódź"));
    frame().PARAM[4]->setText(QString::fromUtf8("Kraków, Małopolska"));
    town().WriteTownFile();
    frame().PARAM[0]->clear();
    frame().PARAM[4]->clear();
    town().ReadTownFile();
    EXPECT_EQ(param(0), QString::fromUtf8("Łódź"));
    EXPECT_EQ(param(4), QString::fromUtf8("Kraków, Małopolska"));
    EXPECT_EQ(param(5), "Italy");
    EXPECT_TRUE(frame().Centigradi->isChecked());
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(TownSettingsTest, FileThatCannotBeWrittenIsReportedOncePerWrite) {
    state().Lingua = 1;
    const QString expected = "ERROR WRITING CONFIGURATION FILES!\r\n" + workPath(kTown);
    FileSizeLimit diskFull(0);
    town().LoadTownSettings();
    EXPECT_EQ(messages().texts(), QStringList{expected});
    EXPECT_FALSE(workFileExists(kTown));
    messages().clear();
    town().OkYourTown_Click();
    EXPECT_EQ(messages().texts(), QStringList{expected});
}
