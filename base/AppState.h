#pragma once
// The application state of the main window: everything the program knows while it runs.
// Names, widths and initial values are those every subsystem relies on; see VbTypes.h for the
// widths. No widgets here: controls live in the window.

#include "base/Picture.h"
#include "base/SlotList.h"
#include "base/VbTypes.h"

#include <QString>
#include <array>

struct AppState {
    // ---- Catalogue lists (by catalogue position; filled by the catalogue client) ----
    SlotList<QString> listData;        // fields of the last catalogue reply
    SlotList<QString> listURL;         // source-kind-coded address of each entry
    SlotList<QString> listURLnameOnly; // part of each address after its last "/"
    SlotList<QString> listURLcomment;  // description of each entry
    SlotList<Integer> listIdEntry;     // numeric catalogue id of each entry
    SlotList<QString> listCopyright;   // credit record of each entry

    // ---- Picture store (by store slot 0 .. pictureCount - 1; filled by the fetch pass) ----
    SlotList<Picture> listPicture;
    SlotList<Integer> listPictureKind; // 0 none, 1 file, 2 rendered page, 4 animated GIF, 6 script
    SlotList<Integer> listIMAGEnotLoaded;   // -1 when the slot holds the placeholder
    SlotList<QString> listImageSELECTED;    // entries of the current fetch pass
    SlotList<QString> listOLDImageSELECTED; // entries of the previous fetch pass
    SlotList<Integer> listIdCopyright;      // catalogue position of the credit record + 1; 0 = none
    // The credit ids of the entries of the current fetch pass, one per entry: the pass gives
    // each of an entry's slots its id in listIdCopyright (a series fills several slots).
    SlotList<Integer> listIdCopyrightSELECTED;

    // ---- Collections ----
    SlotList<QString> listCodePic; // restore code of every catalogue list item
    Boolean flagCollectionsAvailable = kFalse;

    // ---- Splitter outputs ----
    std::array<QString, 11> listSplit10; // command-line fields 0..10
    std::array<QString, 6> listSplit5;   // credit-record fields 0..5
    QString creditRecord;                // the record handed to Splitta5

    // ---- Settings in memory ----
    Integer Lingua = 999; // 1 English, 2 Italian, 3 French, 4 Spanish, 999 none chosen yet
    // Slide interval in milliseconds; 32-bit so that any accepted slide time fits.
    Long slideIntervalMs = 0;
    Integer RUNNING_MODE = 0; // 1 normal, 2 first run
    Boolean Proxy_Enabled = kFalse;
    Boolean Wait_Type_Connection = kFalse;
    Boolean Mirror_Type_Connection = kFalse;
    QString OwnPicturePath;
    Integer fullScreenFlag = 0;
    Boolean WizardActive = kFalse;
    QString PortablesPath;
    QString Nimbrisco_Work_Dir;
    QString Nimbrisco_Slide_Dir;
    QString Nimbrisco_PHP_Dir;
    QString Nimbrisco_Collections_Dir;
    QString WORK_PATH_FILE_LIST;
    QString imageFilePrefix;
    QString aniGifTag;
    QString appPath;
    QString helpFile; // the application help file
    QString endpointBase;
    QString helpSite; // base address of the help pages and the information page
    QString versionText;
    QString weAre;
    float Ratio_X_Y = 0.0f;
    Integer flagDebug = 0;
    Integer flagLocalhost = 0;
    Boolean flagSilent = kTrue;
    Integer timerClockSave = 0;
    Integer clockFromDebugSet = 0;

    // ---- Scheduling counters ----
    Integer GLOBAL_IMAGE_CURRENT_POINTER = 0;
    Integer pictureCount = 0;
    Integer pictureTotal = 0;
    Long cntCounterDwLoadImage = 0;
    Integer panelTick = 0;
    Integer connectWaitCount = 10;

    // ---- Activity and busy flags ----
    Integer flagCmdButton = 0; // 0 run, 1 open the panel, 2 end, 3 panel open
    Integer clockStatus = 0;
    Integer firstLaunch = 0;
    Integer flagDownloadRunning = 0;
    Integer flagFetchFromStep = 0;
    Integer aniGifNumber = 1;
    Integer Http2BmpRunning = 0;
    Integer WebPageToImgEnd = 0;
    Integer IsWebPage = 0;
    Integer flagReplyArrived = 1;
    QString replyText;
    Integer catalogueLoaded = 0;
    Integer fullCatalogueWanted = 0;
    QString catalogueStatus;
    Boolean FlagRestart = kFalse;
    Integer configDirty = 0;
    Integer ExitToProgram = 0;

    // ---- Status and message texts ----
    QString statusLine1;
    QString statusLine2;
    QString Aggiornare; // update notice of the version check; empty when there is none
    QString LastUpdate; // " - RFRS:" date time of the last selection read or save
    QString userMessage;
    QString tmpStrUrl;
    QString strIdForBrowser;

    // Sets listPictureKind of slots 0..1999 to 0.
    void ResetPictureKinds() { listPictureKind.clear(0); }
};
