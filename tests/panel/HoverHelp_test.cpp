// Hover help: moving the mouse over every icon of the hover table writes its explanation, in each
// of the four languages, into the help frame with the icon's picture; with or without the help
// button, and not when hover help is off.
#include "PanelFixture.h"

#include "bar/ControlBar.h"
#include "core/PanelControl.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTabWidget>

namespace {

struct HoverRow {
    const char* control;
    const char* page;
    // English, Italian, French, Spanish.
    const char* texts[4];
};

// English for French and Spanish except on two rows; two Italian texts end in a quote mark, two
// texts leave a parenthesis open, "Quit Nimbrisco" has no full stop: all as the program shows.
const HoverRow kRows[] = {
    {"IcoSwapSST0",
     "pageTools",
     {"Opens the TIMERS page related to the slide show speed and the ONLINE pictures update rate.",
      "Apre la pagina dei TIMERS relativi alla velocità dello slide-show, ed alla frequenza di "
      "aggiornamento ONLINE delle immagini.",
      "Opens the TIMERS page related to the slide show speed and the ONLINE pictures update rate.",
      "Opens the TIMERS page related to the slide show speed and the ONLINE pictures update "
      "rate."}},
    {"IcoSwapSST2",
     "pageTools",
     {"Open the DATABASE page, to select which weather pictures to add to the slide show. It is "
      "also possible to add up to 10 own pictures to the slide show, to create an advertisement "
      "intercalated to the weather pictures.",
      "Apre la pagina del DATABASE, per selezionare quali immagini meteo aggiungere allo "
      "slide-show. E' anche possibile aggiungere fino a 10 immagini proprie  allo slide-show, per "
      "creare una pubblicità intercalata alle immagini meteo.",
      "Open the DATABASE page, to select which weather pictures to add to the slide show. It is "
      "also possible to add up to 10 own pictures to the slide show, to create an advertisement "
      "intercalated to the weather pictures.",
      "Open the DATABASE page, to select which weather pictures to add to the slide show. It is "
      "also possible to add up to 10 own pictures to the slide show, to create an advertisement "
      "intercalated to the weather pictures."}},
    {"IcoSwapSST3",
     "pageTools",
     {"Open the page to start the SLIDE-SHOW or quit Nimbrisco.",
      "Apre la pagina per l'avvio dello SLIDE-SHOW o l'uscita da Nimbrisco.",
      "Open the page to start the SLIDE-SHOW or quit Nimbrisco.",
      "Open the page to start the SLIDE-SHOW or quit Nimbrisco."}},
    {"RunTeamViewer",
     "pageTools",
     {"Open TeamViewer for remote assistance from Nimbrisco staff (you must first agree on the "
      "date and time using the contact page.",
      "Apre TeamViewer per avere assistenza remota da parte dello staff di Nimbrisco (occorre "
      "concordare preventivamente data e ora usando la pagina dei contatti.",
      "Open TeamViewer for remote assistance from Nimbrisco staff (you must first agree on the "
      "date and time using the contact page.",
      "Open TeamViewer for remote assistance from Nimbrisco staff (you must first agree on the "
      "date and time using the contact page."}},
    {"IcoSwapSST6",
     "pageTools",
     {"Change Language.", "Cambia lingua dei menù.", "Change Language.", "Change Language."}},
    {"SSTCfg_cmdConferma",
     "pageRunExit",
     {"Start the slide show with the selected pictures of the database. After the start will be "
      "automatic.",
      "Avvia lo slide show con le immagini selezionate del database. L'avvio sarà successivamente "
      "automatico.",
      "Start the slide show with the selected pictures of the database. After the start will be "
      "automatic.",
      "Start the slide show with the selected pictures of the database. After the start will be "
      "automatic."}},
    {"SSTCfg_salvaConfig",
     "pageRunExit",
     {"Create a BACKUP file of the selected picture list.",
      "Crea un file di BACKUP della configurazione immagini desiderate.",
      "Create a BACKUP file of the selected picture list.",
      "Create a BACKUP file of the selected picture list."}},
    {"SSTCfg_ExitProgram",
     "pageRunExit",
     {"Quit Nimbrisco", "Chiude Nimbrisco.", "Quit Nimbrisco", "Quit Nimbrisco"}},
    {"zepStatusBar",
     "pageRunExit",
     {"Information about Nimbrisco version.", "Informazioni sulla versione di Nimbrisco.",
      "Information about Nimbrisco version.", "Information about Nimbrisco version."}},
    {"helpEsegui",
     "pageRunExit",
     {"Open the online help.", "Apre l'help online.", "Open the online help.",
      "Open the online help."}},
    {"YourTownIco",
     "pageRunExit",
     {"Set up your city for parametric forecast.",
      "Imposta la tua città per le previsioni parametriche.",
      "Set up your city for parametric forecast.", "Set up your city for parametric forecast."}},
    {"Cleanup",
     "pageRunExit",
     {"All configuration files will be deleted (useful in case of unresolvable errors).",
      "Azzera la configurazione per ripartire da zero (utile in caso di errori non risolvibili).",
      "Tous les fichiers de configuration seront supprimés (utile en cas d'erreurs insolubles).",
      "Todos los archivos de configuración serán borrados (útil en caso de errores no "
      "resueltos)."}},
    {"SSTCfg_FileUser",
     "pagePictureSelection",
     {"Add to the slide show up to 10 of your own pictures, to create an advertisement "
      "intercalated to the weather pictures.",
      "Aggiunge allo slide show fino a 10 immagini proprie, per creare una pubblicità intercalata "
      "alle immagini meteo.",
      "Add to the slide show up to 10 of your own pictures, to create an advertisement "
      "intercalated to the weather pictures.",
      "Add to the slide show up to 10 of your own pictures, to create an advertisement "
      "intercalated to the weather pictures."}},
    {"SSTCfg_resetUserImg",
     "pagePictureSelection",
     {"Delete your personal pictures from the slide show",
      "Elimina dallo slide show le tue immagini personali.",
      "Delete your personal pictures from the slide show",
      "Delete your personal pictures from the slide show"}},
    {"helpImg",
     "pagePictureSelection",
     {"Open the help online.", "Apre l'help online.\"", "Open the help online.",
      "Open the help online."}},
    {"SSTCfg_BackUpcnf",
     "pagePictureSelection",
     {"Create a configuration backup.", "Fa una copia di backup della configurazione.",
      "Create a configuration backup.", "Create a configuration backup."}},
    {"SSTCfg_Loadcnf",
     "pagePictureSelection",
     {"Restore the configuration from a Backup.", "Ripristina la configurazione da un Backup.",
      "Restore the configuration from a Backup.", "Restore the configuration from a Backup."}},
    {"LabelOwnerImage",
     "pagePictureSelection",
     {"List of Local Images vsualized in the slide show.",
      "Elenco delle Immagini Locali vsualizzate nello slide show.",
      "Liste des images locales converties en diaporama.",
      "Lista de imágenes locales vsualizadas en la presentación de diapositivas."}},
    {"ClearListDB",
     "pagePictureSelection",
     {"Delete all the pictures selected by the DATABASE.",
      "Elimina tutte le immagini selezionate dal DATABASE.",
      "Delete all the pictures selected by the DATABASE.",
      "Delete all the pictures selected by the DATABASE."}},
    {"SSTCfg_Download",
     "pageDisplayTimers",
     {"Set the time (in minutes) for updating pictures ONLINE.",
      "Imposta il tempo (in minuti) di aggiornamento delle immagini ONLINE.\"",
      "Set the time (in minutes) for updating pictures ONLINE.",
      "Set the time (in minutes) for updating pictures ONLINE."}},
    {"SSTCfg_Aggiorna",
     "pageDisplayTimers",
     {"Set the slide show speed (seconds of persistence of each picture).",
      "Imposta la velocità dello slide show (secondi di persistenza di ogni immagine).",
      "Set the slide show speed (seconds of persistence of each picture).",
      "Set the slide show speed (seconds of persistence of each picture)."}},
    {"dyMode",
     "pageDisplayTimers",
     {"Swap the display mode between full screen and real size.",
      "Commuta la modalità di visualizzazione tra full screen e dimensone reale.",
      "Swap the display mode between full screen and real size.",
      "Swap the display mode between full screen and real size."}},
    {"helpTime",
     "pageDisplayTimers",
     {"Open the help online.", "Apre l'help online.", "Open the help online.",
      "Open the help online."}},
};

class HoverHelpTest : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(openPanel());
        // The next tick shows the start and quit icons instead of their greyed twins.
        form().parts().panelControl->panControl_Timer();
    }

    QString wizardText() { return panel().WizardText->text(); }
    QImage wizardPicture() { return panel().WizardPicture->pixmap().toImage(); }
    // Somewhere on the panel without a hover text.
    void moveAway() { moveMouseOver(panel().SfondoTools); }
};

} // namespace

TEST_F(HoverHelpTest, EveryRowOfTheHoverTableInEveryLanguage) {
    ASSERT_EQ(std::size(kRows), 23u);
    for (int lingua = 1; lingua <= 4; ++lingua) {
        state().Lingua = static_cast<Integer>(lingua);
        for (const HoverRow& row : kRows) {
            SCOPED_TRACE(std::string(row.control) + " " + std::to_string(lingua));
            QWidget* page = form().findChild<QWidget*>(row.page);
            clickTab(page);
            auto* control = form().findChild<QLabel*>(row.control);
            ASSERT_NE(control, nullptr);
            ASSERT_TRUE(control->isVisible());
            panel().WizardText->clear();
            panel().WizardPicture->clear();
            moveMouseOver(control);
            EXPECT_EQ(wizardText(), QString::fromUtf8(row.texts[lingua - 1]));
            // The icon's picture; the owner-picture label has none and shows the own-picture
            // icon's.
            const QLabel* pictured =
                control == panel().LabelOwnerImage ? panel().SSTCfg_FileUser : control;
            EXPECT_FALSE(wizardPicture().isNull());
            EXPECT_EQ(wizardPicture(), pictured->pixmap().toImage());
        }
    }
}

TEST_F(HoverHelpTest, WorksWithoutTheHelpButtonWhichOnlyAddsItsIntroduction) {
    // No click on the bar's help button so far: hover help is on from the start.
    clickTab(panel().pageTools);
    moveMouseOver(panel().IcoSwapSST6);
    EXPECT_EQ(wizardText(), QStringLiteral("Change Language."));
    // Leaving the icon keeps the text and the picture.
    moveAway();
    EXPECT_EQ(wizardText(), QStringLiteral("Change Language."));
    EXPECT_EQ(wizardPicture(), panel().IcoSwapSST6->pixmap().toImage());

    const std::pair<int, const char*> intros[] = {
        {2, "Passa il mouse sulle icone del pannello di configurazione per leggere qui il loro "
            "significato."},
        {3, "Hover your mouse over the configuration panel icons to read their meaning here"},
        {4, "Hover your mouse over the configuration panel icons to read their meaning here"},
        {999, "Hover your mouse over the configuration panel icons to read their meaning here"},
    };
    for (const auto& [lingua, text] : intros) {
        state().Lingua = static_cast<Integer>(lingua);
        state().WizardActive = kFalse;
        click(form().parts().bar.btHelp);
        EXPECT_EQ(state().WizardActive, kTrue);
        EXPECT_EQ(wizardText(), QString::fromUtf8(text)) << lingua;
        EXPECT_TRUE(panel().FrameWizard->isVisible());
        EXPECT_EQ(state().flagCmdButton, 1);
        form().parts().panelControl->panControl_Timer();
    }

    // Without a language the text stays, the picture follows the icon.
    state().Lingua = 999;
    clickTab(panel().pageRunExit);
    moveMouseOver(panel().Cleanup);
    EXPECT_EQ(wizardText(),
              QStringLiteral("Hover your mouse over the configuration panel icons to read their "
                             "meaning here"));
    EXPECT_EQ(wizardPicture(), panel().Cleanup->pixmap().toImage());

    // With hover help off nothing changes.
    state().Lingua = 1;
    state().WizardActive = kFalse;
    moveMouseOver(panel().helpEsegui);
    EXPECT_EQ(wizardPicture(), panel().Cleanup->pixmap().toImage());
}
