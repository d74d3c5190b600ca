#include "panel/Collections.h"

#include "base/AppState.h"
#include "base/ItemCodes.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "panel/CollectionFile.h"
#include "panel/ConfigPanel.h"
#include "panel/ListRows.h"
#include "panel/PictureSelectionPage.h"
#include "platform/Platform.h"
#include "storage/ConfigFiles.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTabWidget>
#include <algorithm>

namespace {

const QString kDat = QStringLiteral(".dat");
const QString kXml = QStringLiteral(".xml");
// The backup's message names the file with the extension in capitals, as it always has.
const QString kXmlInMessage = QStringLiteral(".XML");

QString failureText(collection::ReadResult::Status status) {
    using Status = collection::ReadResult::Status;
    switch (status) {
    case Status::TooLarge:
        return i18n::text::kCollectionTooLarge.arg(collection::kMaxFileBytes / (1024 * 1024));
    case Status::TooManyItems:
        return i18n::text::kCollectionTooManyItems.arg(collection::kMaxItems);
    default:
        return i18n::text::kCollectionNotLoaded;
    }
}

} // namespace

Collections::Collections(const CollectionControls& controls, AppState& state,
                         platform::Platform& platform, ConfigFiles& configFiles,
                         ConfigPanel& configPanel, PictureSelectionPage& pictureSelection)
    : controls_(controls), state_(state), platform_(platform), configFiles_(configFiles),
      configPanel_(configPanel), pictureSelection_(pictureSelection) {}

void Collections::SSTCfg_BackUpcnf_Click() {
    if (busy_)
        return;
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });
    configFiles_.saveAll();
    configPanel_.AnimateSaveBar();
    const QString stamp = collection::stamp(platform_.clock->now());
    // Both files are written before the user is told where they are.
    const QString failed = writeCollection(stamp);
    if (!failed.isEmpty()) {
        platform_.messages->showMessage(i18n::text::kCollectionNotWritten.arg(failed),
                                        platform::kAppTitle, platform::MsgIcon::Critical);
        return;
    }
    if (const auto saved = i18n::fourLanguage(i18n::kMsgCollectionSaved, state_.Lingua))
        platform_.messages->showMessage(*saved + QStringLiteral("\r\n") +
                                            state_.Nimbrisco_Collections_Dir + QLatin1Char('/') +
                                            collection::fileName(stamp, kXmlInMessage),
                                        platform::kAppTitle, platform::MsgIcon::None);
}

QString Collections::writeCollection(const QString& stamp) {
    const QString folder = state_.Nimbrisco_Collections_Dir + QLatin1Char('/');
    const QString datPath = folder + collection::fileName(stamp, kDat);
    QByteArray selection;
    if (!storage::readAllBytes(state_.WORK_PATH_FILE_LIST + ConfigFiles::kPictureListFile,
                               selection) ||
        !storage::writeFileAtomically(datPath, selection))
        return datPath;

    QStringList items;
    const QListWidget* list = controls_.Tabella_Mappe_Selezionate;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            items << list->item(i)->text();
    }
    const QString xmlName = collection::fileName(stamp, kXml);
    const QString xmlPath = folder + xmlName;
    if (!storage::writeFileAtomically(xmlPath,
                                      collection::document(xmlName, platform_.clock->now(), items)))
        return xmlPath;
    return QString();
}

void Collections::SSTCfg_Loadcnf_Click() {
    if (busy_)
        return;
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });
    platform_.messages->beep();
    RestoreCollection();
}

QString Collections::ChooseFileToOpen(const QString& title, const QString& filterName,
                                      const QString& initialFileName) {
    const QString start =
        initialFileName.isEmpty() ? QDir::currentPath() : QDir::current().filePath(initialFileName);
    return platform_.fileDialogs->getOpenFileName(title, start,
                                                  filterName + QStringLiteral(" (*)"));
}

void Collections::RestoreCollection() {
    AppState& s = state_;
    const QString path = ChooseFileToOpen(i18n::text::kRestoreDialogTitle,
                                          i18n::text::kRestoreDialogFilter, QString());
    if (path.isEmpty() || path.startsWith(QLatin1Char(' '))) {
        platform_.messages->showMessage(i18n::text::kInvalidFileSelection, platform::kAppTitle,
                                        platform::MsgIcon::Critical);
        saveAndReloadList();
        return;
    }

    QListWidget* list = controls_.Tabella_Mappe_Selezionate;
    const int count = std::min(list->count(), PictureSelectionPage::kMaxEntries);
    s.listCodePic.clear(QStringLiteral("0"));
    for (int k = 0; k < count; ++k)
        s.listCodePic[k] = ListCodeOf(list->item(k)->text());

    QLabel* wait = controls_.Wait_Ico;
    wait->show();
    wait->raise();
    platform_.clock->yield();

    const collection::ReadResult read = collection::readFile(path);
    if (read.status != collection::ReadResult::Status::Ok) {
        platform_.messages->showMessage(failureText(read.status), platform::kAppTitle,
                                        platform::MsgIcon::None);
        wait->hide();
        return;
    }
    // A backup writes codes without their "-": an item is found by either rule's code, so that
    // files written before and after that was noticed both restore.
    QHash<QString, QList<int>> rowsByCode;
    for (int k = 0; k < std::min(count, list->count()); ++k) {
        rowsByCode[s.listCodePic[k]].append(k);
        const QString written = CollectionCodeOf(list->item(k)->text());
        if (written != s.listCodePic[k])
            rowsByCode[written].append(k);
    }
    QList<int> rows;
    for (const QString& code : read.codes)
        rows += rowsByCode.value(code);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    selectRows(list, rows);

    wait->hide();
    if (const auto reloaded = i18n::fourLanguage(i18n::kMsgTableReloaded, s.Lingua))
        platform_.messages->showMessage(*reloaded, platform::kAppTitle, platform::MsgIcon::None);
    saveAndReloadList();
}

void Collections::saveAndReloadList() {
    controls_.SSTCfg->setCurrentWidget(controls_.pageRunExit);
    configFiles_.saveAll();
    configPanel_.AnimateSaveBar();
    pictureSelection_.FillPictureList();
    if (controls_.Tabella_Mappe_Selezionate->count() == 0)
        platform_.messages->showMessage(i18n::text::kReloadValidCollection, platform::kAppTitle,
                                        platform::MsgIcon::None);
    state_.configDirty = 1;
    state_.GLOBAL_IMAGE_CURRENT_POINTER = 0;
}
