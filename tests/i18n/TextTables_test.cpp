// The text tables: language lookups, line structure of the help texts, texts easy to get wrong.
#include "i18n/TextTables.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace i18n;

namespace {
QStringList linesOf(const FourLanguageRow& row, int lingua) {
    return fourLanguage(row, lingua).value().split(QStringLiteral("\r\n"));
}
} // namespace

TEST(TextTables, FourLanguageRowsYieldNothingOutsideTheFourCodes) {
    for (int code : {-1, 0, 5, 999})
        EXPECT_FALSE(fourLanguage(kMsgInvalidDownloadTime, code).has_value()) << code;
    EXPECT_EQ(fourLanguage(kNormalName, 1), QStringLiteral("Normal"));
    EXPECT_EQ(fourLanguage(kNormalName, 2), QStringLiteral("In_scala"));
    EXPECT_EQ(fourLanguage(kFullScreenName, 3), QString::fromUtf8("Plein_écran"));
    EXPECT_EQ(fourLanguage(kNormalName, 4), QString::fromUtf8("Dimensión Original"));
}

TEST(TextTables, TwoLanguageRowsAreItalianOnlyForCodeTwo) {
    EXPECT_EQ(twoLanguage(kLabel11, 2), QStringLiteral("Deseleziona Tutte Immagini"));
    for (int code : {1, 3, 4, 999, 0})
        EXPECT_EQ(twoLanguage(kLabel11, code), QStringLiteral("Unselect All Pictures")) << code;
}

TEST(TextTables, HelpBoxesHaveTheirLinesAndNoTrailingBreak) {
    const QStringList english = linesOf(kBoxHelpDisplayTimer, 1);
    ASSERT_EQ(english.size(), 5);
    EXPECT_EQ(english[1], QStringLiteral(" "));
    EXPECT_EQ(english[4], QStringLiteral("_Display Mode"));

    const QStringList italian = linesOf(kBoxHelpRunExit, 2);
    ASSERT_EQ(italian.size(), 5);
    EXPECT_FALSE(italian.contains(QStringLiteral(" ")));
    EXPECT_EQ(linesOf(kBoxHelpRunExit, 4).size(), 5);
    EXPECT_EQ(linesOf(kBoxHelpRunExit, 1).size(), 6);
    EXPECT_EQ(linesOf(kBoxHelpRunExit, 3)[0], QString::fromUtf8("DÉMARRER ARRÊTER:"));

    for (const FourLanguageRow* row : {&kBoxHelpDisplayTimer, &kBoxHelpRunExit, &kLeftTipText})
        for (int code = 1; code <= 4; ++code) {
            const QString text = *fourLanguage(*row, code);
            EXPECT_FALSE(text.endsWith(QLatin1Char('\n'))) << code;
            // Every break is CR LF, none a lone LF.
            EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        }
    EXPECT_EQ(linesOf(kLeftTipText, 4)[2],
              QString::fromUtf8("_Visual. Temporz.: impuesto tiempos por conexión, puesta al "
                                "día, velocidad' y modo de visualización."));
}

TEST(TextTables, MessagesKeepTheirSpellingAndSpacing) {
    EXPECT_EQ(fourLanguage(kMsgInvalidDownloadTime, 4),
              QString::fromUtf8("Intervalo Descargue no vadeo."));
    EXPECT_EQ(fourLanguage(kMsgInvalidSlideShowTime, 4),
              QString::fromUtf8("Temporizador Slide Espectáculo no vadea."));
    EXPECT_EQ(fourLanguage(kMsgSlideShowTimeTooSmall, 2),
              QStringLiteral("Timer Slde Show troppo corto."));
    EXPECT_EQ(fourLanguage(kMsgConfigWriteError, 3),
              QString::fromUtf8("ERREUR D'ÉCRITURE SUR LES FICHIERS DE CONFIGURATION!"));
    EXPECT_EQ(fourLanguage(kMsgProgramEnded, 1),
              QStringLiteral("Program ended \r\n The sponsors page will open."));
    EXPECT_EQ(fourLanguage(kMsgProgramEnded, 2),
              QString::fromUtf8("Programma Terminato\r\nSi aprirà la pagina degli sponsor."));
    EXPECT_EQ(fourLanguage(kWarningTitle, 3), QStringLiteral("Attention !"));
    EXPECT_EQ(fourLanguage(kWarningTitle, 4), QString::fromUtf8("Atención!"));
}

TEST(TextTables, TabCaptionsKeepTheirInnerAndTrailingSpaces) {
    EXPECT_EQ(fourLanguage(kTabCaptions[1], 1), QStringLiteral("Picture   Selection"));
    EXPECT_EQ(fourLanguage(kTabCaptions[1], 2), QStringLiteral("Scelta   Immagini"));
    EXPECT_EQ(fourLanguage(kTabCaptions[1], 4), QString::fromUtf8("Selección Imaginas "));
    EXPECT_EQ(fourLanguage(kTabCaptions[3], 3), QStringLiteral("Outils - Language"));
}

TEST(TextTables, EveryCaptionRowHasFourNonEmptyTexts) {
    ASSERT_EQ(kCaptionRowCount, 46);
    for (int i = 0; i < kCaptionRowCount; ++i)
        for (int code = 1; code <= 4; ++code)
            EXPECT_FALSE(fourLanguage(kCaptionRows[i].texts, code)->isEmpty())
                << kCaptionRows[i].control << " " << code;
}
