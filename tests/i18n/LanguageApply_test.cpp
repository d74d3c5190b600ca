// Applying the panel texts, the help boxes, the marker dots and the display-mode name.
#include "FormFixture.h"

#include "base/ClickLabel.h"
#include "base/Shape.h"
#include "i18n/Language.h"
#include "i18n/TextTables.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

class LanguageApply : public FormFixture {
protected:
    void apply(int lingua) {
        state().Lingua = static_cast<Integer>(lingua);
        form().parts().language->ApplyLanguage();
    }
    QString tab(int i) { return form().parts().panel.SSTCfg->tabText(i); }
    void showDisplayMode(const QString& key, int lingua) {
        state().Lingua = static_cast<Integer>(lingua);
        form().parts().panel.txtDisplay->setText(key);
        form().parts().language->ShowDisplayModeName();
    }
};

TEST_F(LanguageApply, EveryCaptionRowNamesAControlAndHasFourTexts) {
    ASSERT_EQ(i18n::kCaptionRowCount, 46);
    for (int i = 0; i < i18n::kCaptionRowCount; ++i) {
        const i18n::CaptionRow& row = i18n::kCaptionRows[i];
        EXPECT_NE(form().parts().language->captionTarget(QString::fromLatin1(row.control)), nullptr)
            << row.control;
        for (int code = 1; code <= 4; ++code)
            EXPECT_FALSE(i18n::fourLanguage(row.texts, code)->isEmpty()) << row.control << code;
    }
}

TEST_F(LanguageApply, EachLanguageSetsTabsCaptionsAndTooltips) {
    const PanelControls& p = form().parts().panel;
    const BarControls& b = form().parts().bar;

    form().parts().panel.SSTCfg->setCurrentWidget(p.pagePictureSelection);
    apply(2);
    EXPECT_EQ(form().parts().panel.SSTCfg->currentWidget(), p.pageTools);
    EXPECT_EQ(tab(1), QStringLiteral("Scelta   Immagini"));

    apply(3);
    EXPECT_EQ(b.ImageConnesso->toolTip(), QString::fromUtf8("Connexion activê"));

    apply(4);
    EXPECT_EQ(p.SSTCfg_Loadconf->text(), QString::fromUtf8("Load_File Colección "));

    apply(1);
    EXPECT_EQ(p.TextMinuts->text(), QStringLiteral("(minuts)"));
    EXPECT_EQ(b.btSetup->toolTip(), QStringLiteral("Configuration"));
}

TEST_F(LanguageApply, HelpTextsHideTheMarkersAndOnlyTheClearLabelKnowsNoLanguage) {
    PanelControls& p = form().parts().panel;
    const QList<Shape*> markers = {p.Pallino_Rosso_Timers, p.Pallino_Rosso_Run_Exit,
                                   p.Pallino_Rosso_Tools};
    apply(4);
    for (Shape* s : markers)
        s->show();
    p.Pallino_Rosso_Run_Exit->setFillColor(0x00FF00);
    // Without a language captions and help boxes keep Spanish; the clear label turns English.
    apply(999);
    EXPECT_EQ(tab(3), QStringLiteral("Utensilio Idioma"));
    EXPECT_TRUE(p.Box_Help_Run_Exit->text().startsWith(QStringLiteral("EJECUTAS")));
    EXPECT_EQ(p.Label11->text(), QStringLiteral("Unselect All Pictures"));
    for (Shape* s : markers)
        EXPECT_TRUE(s->isHidden());
    EXPECT_EQ(p.Pallino_Rosso_Run_Exit->FillColor(), 255);
}

TEST_F(LanguageApply, DisplayModeNameMatchesTheKeyExactly) {
    QLineEdit* name = form().parts().panel.txtDisplay2;
    form().parts().panel.txtDisplay->show();
    showDisplayMode(QStringLiteral("Full_Screen"), 2);
    EXPECT_TRUE(form().parts().panel.txtDisplay->isHidden());
    EXPECT_EQ(name->text(), QStringLiteral("Tutto_schermo"));
    showDisplayMode(QStringLiteral("full_screen"), 4);
    EXPECT_EQ(name->text(), QString::fromUtf8("Dimensión Original"));
    // Without a language the name stays as it was.
    showDisplayMode(QStringLiteral("Full_Screen"), 999);
    EXPECT_EQ(name->text(), QString::fromUtf8("Dimensión Original"));
}
