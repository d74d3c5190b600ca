// The language file: its exact bytes, reading the first number, asking when there is none, and
// saying so when the choice cannot be stored.

#include "FileSizeLimit.h"
#include "FormFixture.h"

#include "storage/LanguageSettings.h"

#include "i18n/LanguageChoice.h"
#include <QGroupBox>

namespace {

const QString kLanguage = LanguageSettings::kLanguageFile;

class LanguageSettingsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        state().Lingua = 999;
    }
    LanguageSettings& language() { return *form().parts().languageSettings; }
    LanguageChoice& choice() { return *form().parts().languageChoice; }
    QGroupBox* frame() { return form().parts().languageChoice->frame().Frame_Select_Language; }
};

} // namespace

TEST_F(LanguageSettingsTest, ReaderTakesTheFirstNumberIfItIsALanguageCode) {
    const struct {
        QByteArray content;
        Integer lingua; // 999: the file counts as missing
    } cases[] = {{" 2", 2},   {"\r\n 3 trailing", 3}, {"abc", 999}, {"", 999}, {" 0", 999},
                 {" 7", 999}, {"99999999", 999}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        state().Lingua = 999;
        writeWorkFile(kLanguage, c.content);
        EXPECT_EQ(language().ReadLanguageFile(), c.lingua != 999);
        EXPECT_EQ(state().Lingua, c.lingua);
    }
}

TEST_F(LanguageSettingsTest, StartupAsksWhenThereIsNoLanguageAndStoresTheChoice) {
    for (const Integer code : {3, 2}) {
        SCOPED_TRACE(code);
        if (code == 2)
            writeWorkFile(kLanguage, "abc");
        state().Lingua = 999;
        bool frameShown = false;
        // The user picks at the second wait step.
        clock().onSleep = [this, code, &frameShown, steps = 0](int) mutable {
            if (++steps == 2) {
                frameShown = !frame()->isHidden();
                state().Lingua = code;
            }
        };
        choice().StartupLanguage();
        EXPECT_TRUE(frameShown);
        EXPECT_TRUE(frame()->isHidden());
        EXPECT_EQ(state().Lingua, code);
        EXPECT_EQ(readWorkFile(kLanguage), QByteArray(" ") + QByteArray::number(code));
    }
    EXPECT_EQ(form().state.helpFile, state().appPath + "/Nimbrisco.html");
}

TEST_F(LanguageSettingsTest, ClosingTheWindowEndsTheChoiceWithoutAFile) {
    clock().onSleep = [this](int) {
        if (clock().sleeps() == 3)
            form().close();
    };
    choice().ChooseLanguage();
    EXPECT_EQ(state().Lingua, 999);
    EXPECT_FALSE(workFileExists(kLanguage));
    EXPECT_TRUE(frame()->isHidden());
}

TEST_F(LanguageSettingsTest, ChoiceThatCannotBeStoredIsReportedInTheChosenLanguage) {
    clock().onSleep = [this](int) { state().Lingua = 2; };
    {
        FileSizeLimit diskFull(0);
        choice().StartupLanguage();
    }
    EXPECT_FALSE(workFileExists(kLanguage));
    EXPECT_EQ(messages().texts(),
              QStringList{"ERRORE DURANTE LA SCRITTURA DEL FILE DI CONFIGURAZIONE!\r\n" +
                          workPath(kLanguage)});
    EXPECT_EQ(state().Lingua, 2);
}
