// Texts are kept exactly as users of the program have always seen them, odd spellings,
// trailing blanks and the stray quote mark of the wait tooltip included.
#include "i18n/TextTables.h"

namespace i18n {

std::optional<QString> fourLanguage(const FourLanguageRow& row, int lingua) {
    if (lingua < 1 || lingua > 4)
        return std::nullopt;
    return QString::fromUtf8(row.text[lingua - 1]);
}

QString twoLanguage(const TwoLanguageRow& row, int lingua) {
    return QString::fromUtf8(lingua == 2 ? row.italian : row.english);
}

// ---- Messages ----

const FourLanguageRow kWarningTitle = {{"Warning!", "Attenzione!", "Attention !", "Atención!"}};

const FourLanguageRow kMsgInvalidDownloadTime = {{
    "Invalid Download Time.",
    "Tempo Download non valido.",
    "Intervalle de téléchargement invalide.",
    "Intervalo Descargue no vadeo.",
}};

const FourLanguageRow kMsgDownloadTimeTooSmall = {{
    "Download Timer too small.",
    "Tempo Download troppo corto.",
    "Intervalle de téléchargement trop court.",
    "Intervalo Descargue demasiado corto.",
}};

const FourLanguageRow kMsgInvalidSlideShowTime = {{
    "Slide Show Timer not valid.",
    "Timer Slide Show non valido.",
    "Intervalle entre les images invalide.",
    "Temporizador Slide Espectáculo no vadea.",
}};

const FourLanguageRow kMsgSlideShowTimeTooSmall = {{
    "Slide Show Timer too small.",
    "Timer Slde Show troppo corto.",
    "Intervalle entre les images trop court.",
    "Temporizador Slde Espectáculo demasiado corto.",
}};

const FourLanguageRow kMsgConfigWriteError = {{
    "ERROR WRITING CONFIGURATION FILES!",
    "ERRORE DURANTE LA SCRITTURA DEL FILE DI CONFIGURAZIONE!",
    "ERREUR D'ÉCRITURE SUR LES FICHIERS DE CONFIGURATION!",
    "ERROR DURANTE LA ESCRITURA DEL EXPEDIENTE DE CONFIGURACIÓN!",
}};

const FourLanguageRow kMsgProgramEnded = {{
    "Program ended \r\n"
    " The sponsors page will open.",

    "Programma Terminato\r\n"
    "Si aprirà la pagina degli sponsor.",

    "Le programme a pris fin \r\n"
    " La page des sponsors s'ouvrira.",

    "El programa finalizó \r\n"
    " Se abrirá la página de patrocinadores.",
}};

const TwoLanguageRow kMsgOwnPicturesLine1 = {
    "You can add up 9 .jpg own pictures.",
    "Puoi aggiungere fino a 9 altre immagini personali .jpg",
};

const TwoLanguageRow kMsgOwnPicturesLine2 = {"Put files in folder ", "Copiale nella cartella "};

// ---- Help texts ----

const TwoLanguageRow kLabel11 = {"Unselect All Pictures", "Deseleziona Tutte Immagini"};

const FourLanguageRow kBoxHelpDisplayTimer = {{
    "DISPLAY TIMERS\r\n"
    " \r\n"
    "_Download Images Timer\r\n"
    "_Slide Show Timer\r\n"
    "_Display Mode",

    "DISPLAY TIMERS\r\n"
    " \r\n"
    "_Tempo Ricarica Immagini\r\n"
    "_Tempo Proiezione Immagini\r\n"
    "_Modo Visualizz. Immagini",

    "Intervalle d'affichage\r\n"
    " \r\n"
    "_Intervalle de téléchargement\r\n"
    "_Intervalle entre les images\r\n"
    "_Mode d'affichage",

    "Proyección Temporizador\r\n"
    " \r\n"
    "_Tiempo Recarga Imágenes\r\n"
    "_Tiempo Proyección Imágenes\r\n"
    "_Modo Visualizz. Imágenes",
}};

// The Italian and Spanish texts have no blank line after the heading.
const FourLanguageRow kBoxHelpRunExit = {{
    "RUN EXIT:\r\n"
    " \r\n"
    "_Start Slide Show\r\n"
    "_Save Configuration\r\n"
    "_Quit Program\r\n"
    "_Status Bar Info",

    "ESEGUI ESCI:\r\n"
    "_Inizia Proiezione Immagini\r\n"
    "_Salva tutte le Impostazioni\r\n"
    "_Esci dal programma.\r\n"
    "_Visualizza informazioni barra",

    "DÉMARRER ARRÊTER:\r\n"
    " \r\n"
    "_Lancer le diaporama\r\n"
    "_Sauvegarder Configuration\r\n"
    "_Quitter le programme\r\n"
    "_Informations de la barre d'état",

    "EJECUTAS SALES:\r\n"
    "_Inicia Proyección Imaginas\r\n"
    "_Salva todas las Impostaciones\r\n"
    "_Sales del programa.\r\n"
    "_Visualiza informaciones barra",
}};

const FourLanguageRow kLeftTipText = {{
    "TOOLS AVAILABLE:\r\n"
    " \r\n"
    "_Display Timers: select your preferred slide show time and connection to download new "
    "images.\r\n"
    "_Picture Selection: select Image to display from database.\r\n"
    "_Run-Exit: Start slide show or exit from program.",

    "TOOLS DISPONIBILI:\r\n"
    " \r\n"
    "_Display Timers: imposta tempi per connessione, aggiornamento, velocità e modo di "
    "visualizzazione.\r\n"
    "_Picture Selection: selezione di quali immagini visualizzare\r\n"
    "_Run-Exit: Encamina visualización o salida por el programa",

    "OUTILS:\r\n"
    " \r\n"
    "_Intervalle d'affichage : choisissez l'intervalle de temps entre deux images du diaporama "
    "et l'intervalle de téléchargement.\r\n"
    "_Choix des images : sélectionnez les images à afficher à partir de la base de données.\r\n"
    "_Démarrer-arrêter : lancer le diaporama ou quitter le programme.",

    "Regulación Disponible:\r\n"
    " \r\n"
    "_Visual. Temporz.: impuesto tiempos por conexión, puesta al día, velocidad' y modo de "
    "visualización.\r\n"
    "_Imaginas Selección: selección de cuál imaginas visualizar\r\n"
    "_Inicio-Fin: Inicio visualización o bien acabar programa",
}};

// ---- Tab captions ----

const FourLanguageRow kTabCaptions[kTabCount] = {
    {{"Display Timers", "Timer Diapositive", "Intervalle d'affichage", "Temporizador Pictures"}},
    {{"Picture   Selection", "Scelta   Immagini", "Choix des images", "Selección Imaginas "}},
    {{"Run / Exit", "Avvio Termina", "Démarrer arrêter", "Inicio Fin"}},
    {{"Tools - Language", "Tools - Lingua", "Outils - Language", "Utensilio Idioma"}},
};

// ---- Captions and tooltips ----

namespace {
constexpr FourLanguageRow kTools = {{"Tools", "Tools", "Outils", "Utensilio"}};
constexpr FourLanguageRow kDisplayTimer = {
    {"Display Timer", "Timer Diapositive", "Intervalle-affichage", "Temporiz. Imaginas"}};
constexpr FourLanguageRow kPictureSelection = {
    {"Picture Selection", "Scelta Immagini", "Choix des images", "Selección Imágenes"}};
constexpr FourLanguageRow kRunExit = {
    {"Run - Exit", "Avvio Termina", "Démarrer arrêter", "Inicio Finir"}};
constexpr FourLanguageRow kHelp = {{"Help", "Help", "Aide", "Ayudante"}};
constexpr TextProperty kCaption = TextProperty::Caption;
constexpr TextProperty kToolTip = TextProperty::ToolTip;
} // namespace

const CaptionRow kCaptionRows[] = {
    {"LabelOwnerImage", kCaption, {{"Local I.", "I. locali", "I. local", "I. locales"}}},
    {"TextTools", kCaption, kTools},
    {"TextTool5", kCaption, kTools},
    {"TextTool4", kCaption, kTools},
    {"TextTool3", kCaption, kTools},
    {"TextTool2", kCaption, kTools},
    {"TextTool1", kCaption, kTools},
    {"SSTCfg_salvaConfig2",
     kCaption,
     {{"Save Configur.", "Salva Configur.", "Enregistr. configurat.", "Recordar Impostac."}}},
    {"IcoSwapSST02",
     kCaption,
     {{"Display Timers", "Timer Diapositive", "Intervalle d'affichage", "Timer Diapositive"}}},
    {"TextDisplayTimers3", kCaption, kDisplayTimer},
    {"TextDisplayTimers1", kCaption, kDisplayTimer},
    {"TextDisplayTimers0", kCaption, kDisplayTimer},
    {"TextDisplayTimers", kCaption, kDisplayTimer},
    {"SSTCfg_Aggiorna2",
     kCaption,
     {{"Slide Show Img. Timer", "Timer Diapositive", "Intervalle d'affichage",
       "Temporiz. Imaginas"}}},
    {"textSeconds", kCaption, {{"(seconds)", "(secondi)", "(secondes)", "(segundo)"}}},
    {"SSTCfg_Download2",
     kCaption,
     {{"Download Img. Times", "Tempo Riconnessione", "Intervalle connexion",
       "Temporiz. Conexión "}}},
    {"TextMinuts", kCaption, {{"(minuts)", "(minuti)", "(minutes)", "(minuto)"}}},
    {"dyMode2",
     kCaption,
     {{"Display Picture Mode", "Modo Visualizz.", "Mode d'affichage", "Modos visualización"}}},
    {"SSTCfg_cmdConferma2",
     kCaption,
     {{"Start Slide Show", "Inizia Proiezione", "Lancer diaporama ", "Inicia Proyección"}}},
    {"IcoSwapSST22", kCaption, kPictureSelection},
    {"TextPictureSelection3", kCaption, kPictureSelection},
    {"TextPictureSelection1", kCaption, kPictureSelection},
    {"TextPictureSelection0", kCaption, kPictureSelection},
    {"TextPictureSelection", kCaption, kPictureSelection},
    {"IcoSwapSST32", kCaption, kRunExit},
    {"TextRunExit3", kCaption, kRunExit},
    {"TextRunExit1", kCaption, kRunExit},
    {"TextRunExit0", kCaption, kRunExit},
    {"TextRunExit", kCaption, kRunExit},
    {"IcoHelpTools2",
     kCaption,
     {{"Help TeamViewer", "Help TeamViewer", "Aide TeamViewer", "Ayudante TeamViewer"}}},
    {"helpEsegui2", kCaption, kHelp},
    {"helpImg2", kCaption, kHelp},
    {"helpTime2", kCaption, kHelp},
    {"SSTCfg_ExitProgram2",
     kCaption,
     {{"Quit Program", "Termina Programma", "Quitter programme", "Concluir programa"}}},
    {"zepStatusBar2", kCaption, {{"About", "About", "About", "Detalle"}}},
    {"Cleanup2",
     kCaption,
     {{"Cleanup Config.", "Reset Configuraz.", "Cleanup Configurat.", "Cancelar configurac."}}},
    {"SSTCfg_FileUser2",
     kCaption,
     {{"Add Owner Image", "Immagi. Personale", "Ajout Image personnali.", "Imaginas Personale"}}},
    {"SSTCfg_resetUserImg2",
     kCaption,
     {{"Remove Own. Img.", "Elimina Imm. Pers.", "Enlever Image pers.", "Eliminar Imm. Pers."}}},
    {"SSTCfg_Backupconf",
     kCaption,
     {{"Backup Collection", "Salva Collection", "Backup Collection", "Backup Colección ."}}},
    {"SSTCfg_Loadconf",
     kCaption,
     {{"Load_File Collection", "Carica Collection", "Load_File Collection",
       "Load_File Colección "}}},
    {"btWait",
     kToolTip,
     {{"Wait...\"", "Attendere...\"", "Veuillez patienter...\"", "Esperar...\""}}},
    {"btSetup", kToolTip, {{"Configuration", "Configurazione", "Configuration", "Configuración"}}},
    {"btTermina", kToolTip, {{"Quit", "Termina", "Quitter", "Acaba"}}},
    {"btHelp", kToolTip, kHelp},
    {"ImageDisconnesso",
     kToolTip,
     {{"Connection Broken", "Connessione Interrotta", "Connexion coupée",
       "Conexión Interrumpida"}}},
    {"ImageConnesso",
     kToolTip,
     {{"Connection Active", "Connessione Attiva", "Connexion activê", "Conexión Activa"}}},
};

const int kCaptionRowCount = static_cast<int>(sizeof kCaptionRows / sizeof kCaptionRows[0]);

// ---- Display-mode names ----

const FourLanguageRow kFullScreenName = {
    {"Full_Screen", "Tutto_schermo", "Plein_écran", "Pleno_Video"}};
const FourLanguageRow kNormalName = {{"Normal", "In_scala", "Normal", "Dimensión Original"}};

// ---- Opening the configuration panel ----

const FourLanguageRow kWaitFrameToolTip = {{"Wait Please", "Attendere", "Attendere", "Attendere"}};

const FourLanguageRow kWaitFrameCaption = {{
    "Loading Database, wait...",
    "Caricamento Database in corso, attendere...",
    "Chargement de la base de données, veuillez patienter ...",
    "Cargando base de datos, por favor espere ...",
}};

const FourLanguageRow kPreviewCaption = {
    {"Picture preview", "Anteprima immagini", "Aperçu des images", "Vista previa de imágenes"}};

namespace {
// French and Spanish users read the English text, unless a row has texts of their own.
constexpr FourLanguageRow englishAbroad(const char* english, const char* italian) {
    return {{english, italian, english, english}};
}
} // namespace

const FourLanguageRow kHoverIntroduction = englishAbroad(
    "Hover your mouse over the configuration panel icons to read their meaning here",
    "Passa il mouse sulle icone del pannello di configurazione per leggere qui il loro "
    "significato.");

// ---- Hover help ----

// Two texts open a parenthesis they never close, "Quit Nimbrisco" has no full stop and two
// Italian texts end in a quote mark: they are shown as they always were.
const HoverRow kHoverRows[] = {
    {"IcoSwapSST0",
     englishAbroad("Opens the TIMERS page related to the slide show speed and the ONLINE pictures "
                   "update rate.",
                   "Apre la pagina dei TIMERS relativi alla velocità dello slide-show, ed alla "
                   "frequenza di aggiornamento ONLINE delle immagini.")},
    {"IcoSwapSST2",
     englishAbroad("Open the DATABASE page, to select which weather pictures to add to the slide "
                   "show. It is also possible to add up to 10 own pictures to the slide show, to "
                   "create an advertisement intercalated to the weather pictures.",
                   "Apre la pagina del DATABASE, per selezionare quali immagini meteo aggiungere "
                   "allo slide-show. E' anche possibile aggiungere fino a 10 immagini proprie  "
                   "allo slide-show, per creare una pubblicità intercalata alle immagini meteo.")},
    {"IcoSwapSST3",
     englishAbroad("Open the page to start the SLIDE-SHOW or quit Nimbrisco.",
                   "Apre la pagina per l'avvio dello SLIDE-SHOW o l'uscita da Nimbrisco.")},
    {"RunTeamViewer",
     englishAbroad(
         "Open TeamViewer for remote assistance from Nimbrisco staff (you must first agree on the "
         "date and time using the contact page.",
         "Apre TeamViewer per avere assistenza remota da parte dello staff di Nimbrisco (occorre "
         "concordare preventivamente data e ora usando la pagina dei contatti.")},
    {"IcoSwapSST6", englishAbroad("Change Language.", "Cambia lingua dei menù.")},
    {"SSTCfg_cmdConferma", englishAbroad("Start the slide show with the selected pictures of the "
                                         "database. After the start will be automatic.",
                                         "Avvia lo slide show con le immagini selezionate del "
                                         "database. L'avvio sarà successivamente automatico.")},
    {"SSTCfg_salvaConfig",
     englishAbroad("Create a BACKUP file of the selected picture list.",
                   "Crea un file di BACKUP della configurazione immagini desiderate.")},
    {"SSTCfg_ExitProgram", englishAbroad("Quit Nimbrisco", "Chiude Nimbrisco.")},
    {"zepStatusBar", englishAbroad("Information about Nimbrisco version.",
                                   "Informazioni sulla versione di Nimbrisco.")},
    {"helpEsegui", englishAbroad("Open the online help.", "Apre l'help online.")},
    {"YourTownIco", englishAbroad("Set up your city for parametric forecast.",
                                  "Imposta la tua città per le previsioni parametriche.")},
    {"Cleanup",
     {{"All configuration files will be deleted (useful in case of unresolvable errors).",
       "Azzera la configurazione per ripartire da zero (utile in caso di errori non risolvibili).",
       "Tous les fichiers de configuration seront supprimés (utile en cas d'erreurs insolubles).",
       "Todos los archivos de configuración serán borrados (útil en caso de errores no "
       "resueltos)."}}},
    {"SSTCfg_FileUser",
     englishAbroad("Add to the slide show up to 10 of your own pictures, to create an "
                   "advertisement intercalated to the weather pictures.",
                   "Aggiunge allo slide show fino a 10 immagini proprie, per creare una pubblicità "
                   "intercalata alle immagini meteo.")},
    {"SSTCfg_resetUserImg", englishAbroad("Delete your personal pictures from the slide show",
                                          "Elimina dallo slide show le tue immagini personali.")},
    {"helpImg", englishAbroad("Open the help online.", "Apre l'help online.\"")},
    {"SSTCfg_BackUpcnf", englishAbroad("Create a configuration backup.",
                                       "Fa una copia di backup della configurazione.")},
    {"SSTCfg_Loadcnf", englishAbroad("Restore the configuration from a Backup.",
                                     "Ripristina la configurazione da un Backup.")},
    {"LabelOwnerImage",
     {{"List of Local Images vsualized in the slide show.",
       "Elenco delle Immagini Locali vsualizzate nello slide show.",
       "Liste des images locales converties en diaporama.",
       "Lista de imágenes locales vsualizadas en la presentación de diapositivas."}}},
    {"ClearListDB", englishAbroad("Delete all the pictures selected by the DATABASE.",
                                  "Elimina tutte le immagini selezionate dal DATABASE.")},
    {"SSTCfg_Download",
     englishAbroad("Set the time (in minutes) for updating pictures ONLINE.",
                   "Imposta il tempo (in minuti) di aggiornamento delle immagini ONLINE.\"")},
    {"SSTCfg_Aggiorna",
     englishAbroad(
         "Set the slide show speed (seconds of persistence of each picture).",
         "Imposta la velocità dello slide show (secondi di persistenza di ogni immagine).")},
    {"dyMode",
     englishAbroad("Swap the display mode between full screen and real size.",
                   "Commuta la modalità di visualizzazione tra full screen e dimensone reale.")},
    {"helpTime", englishAbroad("Open the help online.", "Apre l'help online.")},
};

const int kHoverRowCount = static_cast<int>(sizeof kHoverRows / sizeof kHoverRows[0]);

// ---- The picture-selection page ----

const TwoLanguageRow kMsgListCleared = {
    "List cleaned - please select min. 2 pictures or load collection",
    "Lista cancellata - prego selezionare minimo 2 immagini o caricare una collection",
};

// ---- Collections ----

const FourLanguageRow kMsgCollectionSaved = {{
    "Collection Saved with date and time info on:",
    "Collection salvata con data e ora su:",
    "Votre Collection a été faite en toute sécurité:",
    "Su Colección se hizo fuerte:",
}};

// Only Italian has a text of its own.
const FourLanguageRow kMsgTableReloaded = {{
    "Table reloaded, Please restart Nimbrisco to trim exact time for every picture",
    "Tabella ricaricata, riavviare il programma per ripristinare i tempi corretti ad ogni immagine",
    "Table reloaded, Please restart Nimbrisco to trim exact time for every picture",
    "Table reloaded, Please restart Nimbrisco to trim exact time for every picture",
}};

// ---- Pages of the online help ----

// There is one Spanish page only.
const FourLanguageRow kHelpPagesDisplayTimers = {
    {"eng_help6.asp", "ita_help6.asp", "fra_help6.asp", "spa_help1.asp"}};
const FourLanguageRow kHelpPagesPictures = {
    {"eng_help3.asp", "ita_help3.asp", "fra_help3.asp", "spa_help1.asp"}};
const FourLanguageRow kHelpPagesRunExit = {
    {"eng_help1.asp", "ita_help1.asp", "fra_help1.asp", "spa_help1.asp"}};

// ---- The collections update ----

const TwoLanguageRow kMsgCollectionsUpgraded = {
    "Collections Upgraded - Automatic collections-files extraction",
    "Collections Aggiornate - Estrazione automatica dei files collections"};
const FourLanguageRow kAskInstallCollections = {{
    "New picture collections are published (%1).\r\n"
    "Install them into the collections folder?",
    "Sono state pubblicate nuove collections di immagini (%1).\r\n"
    "Installarle nella cartella delle collections?",
    "De nouvelles collections d'images sont publiées (%1).\r\n"
    "Les installer dans le dossier des collections ?",
    "Se han publicado nuevas colecciones de imágenes (%1).\r\n"
    "¿Instalarlas en la carpeta de colecciones?",
}};
const FourLanguageRow kMsgCollectionsRefused = {{
    "The collections package was not installed: %1",
    "Il pacchetto delle collections non è stato installato: %1",
    "Le paquet des collections n'a pas été installé : %1",
    "El paquete de colecciones no se ha instalado: %1",
}};

// ---- The connection wait and the download progress ----

const FourLanguageRow kConnectionWait = {{
    "Waiting for Internet connection (have to be active!).....",
    "Attesa di connessione ad Internet (deve essere attiva).....",
    "Attente de la connexion à Internet (doit être active !).....",
    "Espera de conexión a Internet (tiene que ser activa!).....",
}};

const FourLanguageRow kConnectionRetry = {{
    "Waiting Internet Connection......??????",
    "Attesa di connessione ad Internet.....??????",
    "Attente de la connexion à Internet......??????",
    "Espera de conexión a Internet.....??????",
}};

const FourLanguageRow kProgressPhrase = {{
    "Loading Pictures from WEB...",
    "Caricamento immagini dal WEB...",
    "Téléchargement des images à partir du web...",
    "Carga imagina del WEB...",
}};

const FourLanguageRow kProgressOf = {{" of ", " di ", " du ", " de "}};

// ---- The connection choice's options ----

const FourLanguageRow kDirectConnection = {{
    "Internet Connection: Adsl, Wi-Fi, Modem, Lan",
    "Connessione via Adsl, Wi-Fi, Modem, Lan",
    "Connexion Internet: Adsl, Wi-Fi, Modem, Lan",
    "Conexión a Internet: Adsl, Wi-Fi, Modem, Lan",
}};

const FourLanguageRow kProxyConnection = {{
    "Internet Connection: Proxy Server",
    "Connessione via Proxy Server",
    "Connexion Internet: serveur proxy",
    "Conexión a Internet: Servidor Proxy",
}};

// ---- The configuration clean-up ----

const FourLanguageRow kCleanupQuestionTitle = {
    {"WARNING!", "Attenzione!", "ATTENTION!!", "¡ADVERTENCIA! !"}};

const FourLanguageRow kCleanupQuestion = {{
    "If you confirm, all configuration files will be deleted",
    "Se confermi verranno cancellati tutti i files di configurazione.",
    " Si vous confirmez, tous les fichiers de configuration seront supprimés",
    "Si confirma, todos los archivos de configuración serán borrados.",
}};

const FourLanguageRow kCleanupHeading = {{"WARNING", "ATTENZIONE", "ATTENTION", "¡ADVERTENCIA"}};

const FourLanguageRow kCleanupInfoTitle = {{"Warning!", "Attenzione!", "Attention !", "Atención!"}};

const FourLanguageRow kCleanupDone = {{
    "Configuration cleaned, please restart Nimbrisco",
    "La configurazione è stata azzerata. Rilanciare Nimbrisco",
    "Configuration cleaned, please restart Nimbrisco",
    "La impostación borrarse. Reencaminar Nimbrisco",
}};

const FourLanguageRow kCleanupNotDone = {
    {"Restart Not executed", "Restart annullato", "Restart Not executed", "Restart Not executed"}};

// ---- The fetch pass ----

const FourLanguageRow kMsgNoSelection = {{
    "Error: you have to check at least one Image from list!",
    "Errore: occorre selezionare almeno una immagine dalla lista!",
    "Erreur : vous devez sélectionner au moins une image dans la liste !",
    "Error: hace falta seleccionar al menos una imagen de la lista!",
}};

// ---- The remote help ----

const TwoLanguageRow kMsgRemoteHelp = {
    "You are incoming to run TeamViewer, a Remote Control software.\r\n"
    "It is freeware fon no profit use. \r\n"
    "You have to be connected by phone with our operator that \r\n"
    "try to hel you for Nimbrisco configuration, and under your authorization,\r\n"
    "try to remote control your computer.",

    "Stai per lanciare il software di assistenza Remota TeamViewer\r\n"
    "Il software è freeware per usi non professionali \r\n"
    "E' necessario essere in collegamento telefonico con un operatore che \r\n"
    "provvederà ad aiutarti a configurare Nimbrisco e su tua autorizzazione,\r\n"
    "prenderà il controllo remoto del tuo computer.",
};

const TwoLanguageRow kMsgRemoteHelpMissing = {
    "The remote-help program is not available:\r\n",
    "Il programma di assistenza remota non è disponibile:\r\n",
};

} // namespace i18n
