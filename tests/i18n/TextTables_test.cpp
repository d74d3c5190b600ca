// The text tables: language lookups, line structure of the help texts, texts easy to get wrong,
// and the waiting and progress texts.
#include "i18n/TextTables.h"
#include "i18n/WaitTexts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace i18n;

namespace {
QStringList linesOf(const FourLanguageRow& row, int lingua) {
    return fourLanguage(row, lingua).value().split(QStringLiteral("\r\n"));
}
} // namespace

TEST(TextTables, LookupsFollowTheLanguageCode) {
    for (int code : {0, 5, 999})
        EXPECT_FALSE(fourLanguage(kMsgInvalidDownloadTime, code).has_value()) << code;
    EXPECT_EQ(twoLanguage(kLabel11, 2), QStringLiteral("Deseleziona Tutte Immagini"));
    for (int code : {1, 3, 4, 999})
        EXPECT_EQ(twoLanguage(kLabel11, code), QStringLiteral("Unselect All Pictures")) << code;
}

TEST(TextTables, TextsKeepTheirSpellingAndSpacing) {
    const struct {
        const FourLanguageRow* row;
        int lingua;
        const char* text;
    } cases[] = {
        {&kMsgInvalidDownloadTime, 4, "Intervalo Descargue no vadeo."},
        {&kMsgInvalidSlideShowTime, 4, "Temporizador Slide Espectáculo no vadea."},
        {&kMsgSlideShowTimeTooSmall, 2, "Timer Slde Show troppo corto."},
        {&kMsgConfigWriteError, 3, "ERREUR D'ÉCRITURE SUR LES FICHIERS DE CONFIGURATION!"},
        {&kMsgProgramEnded, 1, "Program ended \r\n The sponsors page will open."},
        {&kMsgProgramEnded, 2, "Programma Terminato\r\nSi aprirà la pagina degli sponsor."},
        {&kTabCaptions[1], 4, "Selección Imaginas "},
        {&kNormalName, 1, "Normal"},
        {&kFullScreenName, 3, "Plein_écran"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fourLanguage(*c.row, c.lingua), QString::fromUtf8(c.text)) << c.text;
}

TEST(TextTables, HelpTextsHaveTheirLinesAndOnlyCrLfBreaks) {
    for (const FourLanguageRow* row : {&kBoxHelpDisplayTimer, &kBoxHelpRunExit, &kLeftTipText})
        for (int code = 1; code <= 4; ++code) {
            const QString text = *fourLanguage(*row, code);
            EXPECT_FALSE(text.endsWith(QLatin1Char('\n'))) << code;
            EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))) << code;
        }
    const QStringList english = linesOf(kBoxHelpDisplayTimer, 1);
    ASSERT_EQ(english.size(), 5);
    EXPECT_EQ(english[1], QStringLiteral(" "));
    // Italian and Spanish have no blank line after the heading.
    EXPECT_EQ(linesOf(kBoxHelpRunExit, 1).size(), 6);
    EXPECT_EQ(linesOf(kBoxHelpRunExit, 2).size(), 5);
    EXPECT_FALSE(linesOf(kBoxHelpRunExit, 2).contains(QStringLiteral(" ")));
    EXPECT_EQ(linesOf(kLeftTipText, 4)[2],
              QString::fromUtf8("_Visual. Temporz.: impuesto tiempos por conexión, puesta al "
                                "día, velocidad' y modo de visualización."));
}

TEST(WaitTexts, CountdownRetryAndProgressInFourLanguages) {
    const QStringList wait = {
        QStringLiteral("Waiting for Internet connection (have to be active!)....."),
        "Attesa di connessione ad Internet (deve essere attiva).....",
        "Attente de la connexion à Internet (doit être active !).....",
        "Espera de conexión a Internet (tiene que ser activa!)....."};
    const QStringList retry = {"Waiting Internet Connection......??????",
                               "Attesa di connessione ad Internet.....??????",
                               "Attente de la connexion à Internet......??????",
                               "Espera de conexión a Internet.....??????"};
    const QStringList progress = {
        "Loading Pictures from WEB... 3 of 12", "Caricamento immagini dal WEB... 3 di 12",
        "Téléchargement des images à partir du web... 3 du 12", "Carga imagina del WEB... 3 de 12"};
    for (Integer code = 1; code <= 4; ++code) {
        EXPECT_EQ(waittexts::connectionWait(code), wait[code - 1]);
        EXPECT_EQ(waittexts::connectionRetry(code), retry[code - 1]);
        EXPECT_EQ(waittexts::downloadProgress(code, 3, 12), progress[code - 1]);
    }
    for (Integer code : {Integer(0), Integer(5)}) {
        EXPECT_TRUE(waittexts::connectionWait(code).isNull());
        EXPECT_TRUE(waittexts::connectionRetry(code).isNull());
        EXPECT_TRUE(waittexts::downloadProgress(code, 1, 1).isNull());
    }
}
