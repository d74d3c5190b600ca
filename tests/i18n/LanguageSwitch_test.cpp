// The language switch from the Tools page: the choice wait, its answer, re-applying texts.
#include "FormFixture.h"

#include "base/ClickLabel.h"
#include "i18n/Language.h"
#include "storage/LanguageSettings.h"

#include "i18n/LanguageChoice.h"
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

class LanguageSwitch : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
    }
    void startWith(int lingua) {
        state().Lingua = static_cast<Integer>(lingua);
        form().parts().languageSettings->WriteLanguageFile();
        form().parts().language->ApplyLanguage();
    }
    // Answers the choice with `option` at its first waiting step.
    void answerWith(QRadioButton* option) {
        clock().onSleep = [this, option](int) {
            EXPECT_TRUE(form().parts().languageChoice->frame().Default_Language->isChecked());
            if (++choiceSteps == 1)
                option->click();
        };
    }
    int choiceSteps = 0;
};

TEST_F(LanguageSwitch, EvenTheLanguageInForceEndsTheChoiceAndTheTextsAreReapplied) {
    startWith(1);
    form().parts().panel.TextMinuts->setText(QStringLiteral("stale"));
    answerWith(form().parts().languageChoice->frame().English_01);
    emit form().parts().panel.IcoSwapSST6->clicked();
    EXPECT_EQ(choiceSteps, 1);
    EXPECT_EQ(state().Lingua, 1);
    EXPECT_EQ(form().parts().panel.TextMinuts->text(), QStringLiteral("(minuts)"));
    EXPECT_TRUE(form().parts().languageChoice->frame().Frame_Select_Language->isHidden());

    // The caption label starts the same choice; the new language is stored.
    choiceSteps = 0;
    answerWith(form().parts().languageChoice->frame().French_03);
    emit form().parts().panel.LabelLanguage->clicked();
    EXPECT_EQ(choiceSteps, 1);
    EXPECT_EQ(state().Lingua, 3);
    EXPECT_EQ(form().parts().panel.SSTCfg->tabText(3), QStringLiteral("Outils - Language"));
    state().Lingua = 999;
    EXPECT_TRUE(form().parts().languageSettings->ReadLanguageFile());
    EXPECT_EQ(state().Lingua, 3);
}

TEST_F(LanguageSwitch, IconClickDuringTheChoiceDoesNotStartASecondChoice) {
    startWith(4);
    bool waiting = false;
    int steps = 0;
    clock().onSleep = [&](int) {
        EXPECT_FALSE(waiting) << "a second choice is waiting inside the first";
        waiting = true;
        if (++steps == 1)
            emit form().parts().panel.IcoSwapSST6->clicked();
        else
            form().parts().languageChoice->frame().Italian_02->click();
        waiting = false;
    };
    emit form().parts().panel.IcoSwapSST6->clicked();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(state().Lingua, 2);
    EXPECT_EQ(form().parts().panel.SSTCfg->tabText(0), QStringLiteral("Timer Diapositive"));
}
