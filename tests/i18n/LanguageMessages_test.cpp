// The seven localised messages: which box, title and icon each language gets.
#include "FormFixture.h"

#include "i18n/Language.h"

using platform::MsgIcon;

class LanguageMessages : public FormFixture {
protected:
    Language& language() { return form().language(); }
    void setLingua(int code) { state().Lingua = static_cast<Integer>(code); }
};

TEST_F(LanguageMessages, TimerWarningsBearTheLocalisedTitleAndNeedALanguage) {
    struct Case {
        int code;
        void (Language::*message)();
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {1, &Language::MsgInvalidDownloadTime, "Invalid Download Time.", "Warning!"},
        {2, &Language::MsgDownloadTimeTooSmall, "Tempo Download troppo corto.", "Attenzione!"},
        {3, &Language::MsgInvalidSlideShowTime, "Intervalle entre les images invalide.",
         "Attention !"},
        {4, &Language::MsgSlideShowTimeTooSmall, "Temporizador Slde Espectáculo demasiado corto.",
         "Atención!"},
    };
    for (const Case& c : cases) {
        messages().clear();
        setLingua(c.code);
        (language().*c.message)();
        ASSERT_EQ(messages().shown.size(), 1u) << c.code;
        EXPECT_EQ(messages().last().text, QString::fromUtf8(c.text));
        EXPECT_EQ(messages().last().title, QString::fromUtf8(c.title));
        EXPECT_EQ(messages().last().icon, MsgIcon::Exclamation);
    }

    messages().clear();
    for (int code : {999, 0, 5}) {
        setLingua(code);
        for (auto message :
             {&Language::MsgInvalidDownloadTime, &Language::MsgDownloadTimeTooSmall,
              &Language::MsgInvalidSlideShowTime, &Language::MsgSlideShowTimeTooSmall,
              &Language::MsgConfigWriteError, &Language::MsgProgramEnded})
            (language().*message)();
    }
    EXPECT_TRUE(messages().shown.empty()) << "a message without a language";
}

TEST_F(LanguageMessages, UntitledMessagesBearTheApplicationTitleAndNoIcon) {
    const QString folder = QStringLiteral("/portable/Data/Nimbrisco7_Work/Nimbrisco_SlideShow");
    setLingua(4);
    language().MsgConfigWriteError();
    setLingua(3);
    language().MsgProgramEnded();
    // The own-pictures note is English for every code but Italian, and ends with the path.
    setLingua(999);
    language().MsgOwnPictures(folder);
    setLingua(2);
    language().MsgOwnPictures(folder + QLatin1Char('/'));
    EXPECT_EQ(messages().texts(),
              (QStringList{
                  QString::fromUtf8("ERROR DURANTE LA ESCRITURA DEL EXPEDIENTE DE CONFIGURACIÓN!"),
                  "Le programme a pris fin \r\n La page des sponsors s'ouvrira.",
                  "You can add up 9 .jpg own pictures.\r\nPut files in folder " + folder,
                  "Puoi aggiungere fino a 9 altre immagini personali .jpg\r\n"
                  "Copiale nella cartella " +
                      folder + '/'}));
    for (const auto& m : messages().shown) {
        EXPECT_EQ(m.title, platform::kAppTitle);
        EXPECT_EQ(m.icon, MsgIcon::None);
    }
}
