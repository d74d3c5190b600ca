#pragma once
// The texts the program shows in one language whatever the language in force: messages of its
// failures, notices and captions the panel's language does not change.

#include <QString>

namespace i18n::text {

// ---- Start-up ----
inline const QString kTooManyFields =
    QStringLiteral("Errore. troppi parametri nella linea di comando file EXE");
inline const QString kWrongProgramFolder =
    QStringLiteral("ERRORE, LA DIR DELL'EXE PORTABLE DEVE CHIAMARSI \\App\\Nimbrisco");
inline const QString kCannotCreateFolder = QStringLiteral("Nimbrisco cannot create the folder ");

// ---- The slideshow step ----
inline const QString kPictureErrorOnCode = QStringLiteral("Picture Error on PIC code:");
inline const QString kOpenATicket =
    QStringLiteral("Please open a ticket on our website and cite this string:");
inline const QString kExecuteCleanup = QStringLiteral("Execute cleanup before restart Nimbrisco");
inline const QString kImageMissing =
    QStringLiteral("IMAGE MISSING - PLEASE OPEN A TICKET ON OUR WEBSITE");
inline const QString kPlaceholderMissing =
    QStringLiteral("ERROR! \r\nFile %1 MISSING \r\nProgram Quit");
// The end without a selection: where it was found, in a box titled "?".
inline const QString kNoSelectionAtLoad = QStringLiteral("1 F");
inline const QString kNoSelectionAtStep = QStringLiteral("2 T");
inline const QString kNoSelectionTitle = QStringLiteral("?");

// ---- The fetch pass ----
inline const QString kBadPhpNavigate = QStringLiteral("BadPhpNavigate: Error on ");
inline const QString kNavigationError = QStringLiteral("Navigation Error");
inline const QString kMeteoNetworkError = QStringLiteral("Proc MeteoNetwork Error ");
inline const QString kPageNotLoaded = QStringLiteral("The page did not finish loading in time.");
inline const QString kPageNoAnswer = QStringLiteral("The page did not answer in time.");
inline const QString kPageWithoutImage = QStringLiteral("The page holds no image.");
inline const QString kImageNotFetched = QStringLiteral("The image %1 could not be fetched.");
inline const QString kImageNotWritten = QStringLiteral("The image could not be written to %1.");

// ---- Settings files ----
inline const QString kTownFileError = QStringLiteral("Error FileTown - Cleanup Please");
// The town frame's hint beside the country field; a click on it leads to the panel's Tools page.
inline const QString kTownCountryHint =
    QStringLiteral("State and country as the forecast sites write them (ny, us)");

// ---- The configuration panel ----
inline const QString kOwnPictureDialogTitle = QStringLiteral("Open");
// The panel opens without the catalogue: the reason follows.
inline const QString kCatalogueNotLoaded =
    QStringLiteral("The picture catalogue could not be loaded: %1\r\nThe list stays empty until "
                   "the panel is opened again.");
inline const QString kCatalogueNoAnswer =
    QStringLiteral("the catalogue service did not answer or sent no catalogue.");
inline const QString kCatalogueRequestBusy =
    QStringLiteral("an earlier request to the catalogue service did not end in time.");
inline const QString kSlideshowStepBusy = QStringLiteral("the slideshow step did not end in time.");

// ---- Collections ----
inline const QString kRestoreDialogTitle = QStringLiteral("Restore or Load Configuration File");
inline const QString kRestoreDialogFilter = QStringLiteral("All Files");
inline const QString kInvalidFileSelection =
    QStringLiteral("INVALID FILE SELECTION - REPEAT PLEASE");
inline const QString kCollectionNotLoaded =
    QStringLiteral("Error: Failed to load xml data from file.");
inline const QString kReloadValidCollection = QStringLiteral("Error: reaload valid XML file");
inline const QString kCollectionTooLarge =
    QStringLiteral("Error: the collection file is larger than %1 MB and was not loaded.");
inline const QString kCollectionTooManyItems =
    QStringLiteral("Error: the collection file names more than %1 pictures and was not loaded.");
inline const QString kCollectionNotWritten =
    QStringLiteral("Error: the collection could not be written to %1");

// ---- The version check and the collections package ----
// After the newest version's name in the update notice.
inline const QString kVersionAvailable = QStringLiteral(" AVAILABLE");
inline const QString kCollectionsAvailable = QStringLiteral(" - COLLECTIONS AVAILABLE");
// Why a collections package is not installed (after kMsgCollectionsRefused).
inline const QString kPackageUnreadable = QStringLiteral("it is not a readable archive.");
inline const QString kPackageEmpty = QStringLiteral("it holds no collection file.");
inline const QString kPackageTooManyFiles = QStringLiteral("it holds more than %1 files.");
inline const QString kPackageTooLarge = QStringLiteral("%1 is larger than %2 bytes.");
inline const QString kPackageTotalTooLarge =
    QStringLiteral("its files are larger than %1 bytes together.");
inline const QString kPackageBadName =
    QStringLiteral("\"%1\" is not the plain name of a collection file.");
inline const QString kPackageNotAFile = QStringLiteral("\"%1\" is not a plain file.");
inline const QString kPackageNotWritten =
    QStringLiteral("%1 could not be written into the collections folder.");

// ---- The panel's quit button ----
inline const QString kExitProgr = QStringLiteral("Exit Progr.");
inline const QString kWaitCaption = QStringLiteral("Wait..");

} // namespace i18n::text
