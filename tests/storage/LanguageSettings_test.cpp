// The language file: its exact bytes, reading the first number, and asking when there is none.

#include "FormFixture.h"

#include "platform/TwipsGeometry.h"
#include "storage/LanguageSettings.h"

#include <QGroupBox>
#include <QTabWidget>

namespace {

const QString kLanguage = LanguageSettings::kLanguageFile;

class LanguageSettingsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
    }
    LanguageSettings& language() { return form().languageSettings(); }
    QGroupBox* frame() { return form().languageFrame.Frame_Select_Language; }
    // The user picks `code` at the second wait step; records whether the frame was up then.
    void pickAtSecondWait(Integer code, bool* frameShown) {
        clock().onSleep = [this, code, frameShown](int) {
            if (clock().sleeps() == 2) {
                *frameShown = !frame()->isHidden();
                state().Lingua = code;
            }
        };
    }
};

} // namespace

TEST_F(LanguageSettingsTest, FrenchFileIsExactlyABlankAndTheDigit) {
    state().Lingua = 3;
    language().WriteLanguageFile();
    EXPECT_EQ(readWorkFile(kLanguage), QByteArray(" 3"));
}

TEST_F(LanguageSettingsTest, ReaderTakesTheFirstNumber) {
    const struct {
        QByteArray content;
        Integer lingua;
    } cases[] = {{" 2", 2}, {"4", 4}, {" 1\r\n", 1}, {"\r\n 3 trailing", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        state().Lingua = 999;
        writeWorkFile(kLanguage, c.content);
        EXPECT_TRUE(language().ReadLanguageFile());
        EXPECT_EQ(state().Lingua, c.lingua);
    }
}

TEST_F(LanguageSettingsTest, FileWithoutALanguageCodeCountsAsMissing) {
    for (const QByteArray& content :
         {QByteArray("abc"), QByteArray(""), QByteArray("  \r\n"), QByteArray("99999999"),
          QByteArray(" 7"), QByteArray(" 0"), QByteArray(" 999")}) {
        SCOPED_TRACE(content.toStdString());
        state().Lingua = 999;
        writeWorkFile(kLanguage, content);
        EXPECT_FALSE(language().ReadLanguageFile());
        EXPECT_EQ(state().Lingua, 999);
    }
}

TEST_F(LanguageSettingsTest, StartupAsksWhenTheFileIsMissingAndStoresTheChoice) {
    state().Lingua = 999;
    bool frameShown = false;
    pickAtSecondWait(3, &frameShown);
    language().StartupLanguage();
    EXPECT_TRUE(frameShown);
    EXPECT_TRUE(frame()->isHidden());
    EXPECT_EQ(state().Lingua, 3);
    EXPECT_EQ(readWorkFile(kLanguage), QByteArray(" 3"));
    EXPECT_EQ(form().helpFilePath, state().appPath + "/Nimbrisco.html");
    EXPECT_TRUE(form().isVisible());

    const platform::Units u = form().units();
    EXPECT_EQ(platform::twips::left(frame(), u),
              platform::twips::left(form().panel.SSTCfg, u) - 250);
    EXPECT_EQ(platform::twips::top(frame(), u), platform::twips::top(form().panel.SSTCfg, u) - 250);
}

TEST_F(LanguageSettingsTest, StartupAsksAgainWhenTheFileHoldsNoNumber) {
    writeWorkFile(kLanguage, "abc");
    state().Lingua = 999;
    bool frameShown = false;
    pickAtSecondWait(2, &frameShown);
    language().StartupLanguage();
    EXPECT_TRUE(frameShown);
    EXPECT_EQ(state().Lingua, 2);
    EXPECT_EQ(readWorkFile(kLanguage), QByteArray(" 2"));
}

TEST_F(LanguageSettingsTest, StartupWithAStoredLanguageDoesNotAsk) {
    writeWorkFile(kLanguage, " 4");
    state().Lingua = 999;
    language().StartupLanguage();
    EXPECT_EQ(clock().sleeps(), 0);
    EXPECT_EQ(state().Lingua, 4);
    EXPECT_TRUE(frame()->isHidden());
}

TEST_F(LanguageSettingsTest, ClosingTheWindowEndsTheChoiceWithoutAFile) {
    clock().onSleep = [this](int) {
        if (clock().sleeps() == 3)
            form().close();
    };
    language().ChooseLanguage();
    EXPECT_EQ(state().Lingua, 999);
    EXPECT_FALSE(workFileExists(kLanguage));
    EXPECT_TRUE(frame()->isHidden());
}
