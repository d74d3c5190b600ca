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
