// The configuration clean-up: question and answers in each language, which files go and stay.

#include "FormFixture.h"

#include "storage/ConfigFiles.h"
#include "storage/LanguageSettings.h"
#include "storage/ProxySettings.h"

namespace {

const QStringList kDeleted = {ConfigFiles::kPictureListFile, ConfigFiles::kConfigFile,
                              ProxySettings::kProxyFile, LanguageSettings::kLanguageFile};
const QStringList kKept = {ProxySettings::kProxyBackupFile, "Nimbrisco7_MyTown.dat"};

class CleanupTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        for (const QString& name : kDeleted + kKept)
            writeWorkFile(name, "x\r\n");
    }
    void expectFiles(const QStringList& names, bool exist) {
        for (const QString& name : names)
            EXPECT_EQ(workFileExists(name), exist) << name.toStdString();
    }
};

} // namespace

TEST_F(CleanupTest, ConfirmedCleanupDeletesTheFourFilesAndAsksToEnd) {
    state().Lingua = 1;
    messages().queueAnswers({true});
    form().configFiles().Cleanup_Click();

    ASSERT_EQ(messages().shown.size(), 2u);
    const platform::RecordedMessage& question = messages().shown[0];
    EXPECT_EQ(question.kind, platform::RecordedMessage::Kind::YesNo);
    EXPECT_EQ(question.title, "WARNING!");
    EXPECT_EQ(question.text,
              "If you confirm, all configuration files will be deleted\r\n\r\nWARNING");
    EXPECT_EQ(messages().shown[1].text, "Configuration cleaned, please restart Nimbrisco");
    EXPECT_EQ(messages().shown[1].title, "Warning!");
    expectFiles(kDeleted, false);
    expectFiles(kKept, true);
    EXPECT_EQ(state().FlagRestart, kTrue);
    EXPECT_EQ(state().flagCmdButton, 2);
}

TEST_F(CleanupTest, RefusedCleanupKeepsTheFilesAndTheProgramRunning) {
    state().Lingua = 1;
    messages().queueAnswers({false});
    form().configFiles().Cleanup_Click();
    EXPECT_EQ(messages().last().text, "Restart Not executed");
    expectFiles(kDeleted + kKept, true);
    EXPECT_EQ(state().FlagRestart, kFalse);
    EXPECT_EQ(state().flagCmdButton, 0);
}

TEST_F(CleanupTest, ItalianTextsAndRefusal) {
    state().Lingua = 2;
    messages().queueAnswers({false});
    form().configFiles().Cleanup2_Click();
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_EQ(messages().shown[0].title, "Attenzione!");
    EXPECT_EQ(messages().shown[0].text,
              "Se confermi verranno cancellati tutti i files di configurazione.\r\n\r\nATTENZIONE");
    EXPECT_EQ(messages().shown[1].text, "Restart annullato");
    EXPECT_EQ(messages().shown[1].title, "Attenzione!");
    expectFiles(kDeleted, true);
}

TEST_F(CleanupTest, SpanishAndFrenchTextsKeepTheirAccents) {
    state().Lingua = 4;
    messages().queueAnswers({true});
    form().configFiles().Cleanup_Click();
    EXPECT_EQ(messages().shown[0].title, QString::fromUtf8("¡ADVERTENCIA! !"));
    EXPECT_TRUE(messages().shown[0].text.endsWith(QString::fromUtf8("\r\n\r\n¡ADVERTENCIA")));
    EXPECT_EQ(messages().shown[1].text, "La impostación borrarse. Reencaminar Nimbrisco");
    EXPECT_EQ(messages().shown[1].title, QString::fromUtf8("Atención!"));

    messages().clear();
    state().Lingua = 3;
    state().FlagRestart = kFalse;
    messages().queueAnswers({false});
    form().configFiles().ConfirmCleanup();
    EXPECT_EQ(messages().last().title, "ATTENTION!!");
    EXPECT_TRUE(messages().last().text.startsWith(QString::fromUtf8(
        " Si vous confirmez, tous les fichiers de configuration seront supprimés")));
}

TEST_F(CleanupTest, WithoutALanguageNothingIsAskedOrDeleted) {
    state().Lingua = 999;
    messages().queueAnswers({true});
    form().configFiles().Cleanup_Click();
    EXPECT_TRUE(messages().shown.empty());
    expectFiles(kDeleted, true);
    EXPECT_EQ(state().flagCmdButton, 0);
}
