// The seven localised messages: which text, title and icon each language gets.
#include "FormFixture.h"

#include "i18n/Language.h"

#include <functional>

using platform::MsgIcon;
using LanguageMessages = FormFixture;

TEST_F(LanguageMessages, EachBearsItsTitleAndIconAndNeedsALanguage) {
    const QString folder = QStringLiteral("/portable/Data/Nimbrisco7_Work/Nimbrisco_SlideShow");
    const auto ownPictures = [&](const QString& path) {
        return [path](Language& l) { l.MsgOwnPictures(path); };
    };
    const struct {
        int code;
        std::function<void(Language&)> show;
        QString text;
        QString title; // the timer warnings have one and an exclamation icon, the others none
    } cases[] = {
        {1, &Language::MsgInvalidDownloadTime, "Invalid Download Time.", "Warning!"},
        {2, &Language::MsgDownloadTimeTooSmall, "Tempo Download troppo corto.", "Attenzione!"},
        {3, &Language::MsgInvalidSlideShowTime, "Intervalle entre les images invalide.",
         "Attention !"},
        {4, &Language::MsgSlideShowTimeTooSmall, "Temporizador Slde Espectáculo demasiado corto.",
         "Atención!"},
        // The files that could not be written follow, one per line.
        {4,
         [](Language& l) {
             l.MsgConfigWriteError({"/w/a.dat", "/w/b.bak"});
         },
         "ERROR DURANTE LA ESCRITURA DEL EXPEDIENTE DE CONFIGURACIÓN!\r\n/w/a.dat\r\n/w/b.bak", ""},
        {3, &Language::MsgProgramEnded,
         "Le programme a pris fin \r\n La page des sponsors s'ouvrira.", ""},
        // The own-pictures note is English for every code but Italian, and ends with the path.
        {999, ownPictures(folder),
         "You can add up 9 .jpg own pictures.\r\nPut files in folder " + folder, ""},
        {2, ownPictures(folder + '/'),
         "Puoi aggiungere fino a 9 altre immagini personali .jpg\r\nCopiale nella cartella " +
             folder + '/',
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        messages().clear();
        state().Lingua = static_cast<Integer>(c.code);
        c.show(*form().parts().language);
        ASSERT_EQ(messages().shown.size(), 1u);
        EXPECT_EQ(messages().last().text, c.text);
        EXPECT_EQ(messages().last().title, c.title.isEmpty() ? platform::kAppTitle : c.title);
        EXPECT_EQ(messages().last().icon, c.title.isEmpty() ? MsgIcon::None : MsgIcon::Exclamation);
    }

    messages().clear();
    for (int code : {999, 0, 5}) {
        state().Lingua = static_cast<Integer>(code);
        for (int i = 0; i < 6; ++i) // all but the own-pictures note
            cases[i].show(*form().parts().language);
    }
    EXPECT_TRUE(messages().shown.empty()) << "a message without a language";
}
