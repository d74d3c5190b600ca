#include "catalogue/CatalogueClient.h"

#include "base/AppState.h"
#include "base/ReplyItems.h"
#include "catalogue/PictureFetcher.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "storage/ConfigFiles.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QStringList>

namespace {

constexpr int kReplyPollMs = 200;
const QString kVersionParameter = QStringLiteral("&x00=y3333");

const QString kUserMessageSelector = QStringLiteral("p=1&x00=x5555");
const QString kCatalogueSelector = QStringLiteral("p=1&x00=x4444");
const QString kIdentifierSelector = QStringLiteral("p=1&x00=x6666");
const QString kDescriptionSelector = QStringLiteral("p=1&x00=x7777");
const QString kCreditSelector = QStringLiteral("p=1&x00=x9999");
const QString kSelectionSelector = QStringLiteral("p=1&x00=y2222");

enum ReplyMode : Integer {
    kItemsOnly = 1,
    kAddresses = 2,
    kUserMessage = 3,
    kIdentifiers = 4,
    kDescriptions = 5,
    kCredits = 6,
};

QStringList readLines(const QString& path) {
    QStringList lines;
    storage::LineReader reader(path);
    QString line;
    while (reader.readLine(line))
        lines.append(line);
    return lines;
}

} // namespace

QString CatalogueClient::NameAfterLastSlash(const QString& s) {
    return catalogue::nameAfterLastSlash(s);
}

void CatalogueClient::Inet1_StateChanged(int state) {
    if (state != platform::HttpControl::icResponseCompleted)
        return;
    AppState& s = state_;
    s.replyText = Inet1_.GetChunk().left(platform::HttpControl::kMaxChunkChars);
    replyFailed_ = Inet1_.LastRequestFailed();
    s.flagReplyArrived = kTrue;
}

QString CatalogueClient::requestAddress(const QString& selectorPart) const {
    return state_.endpointBase + selectorPart + kVersionParameter + state_.versionText;
}

bool CatalogueClient::waitForReply() {
    AppState& s = state_;
    platform::HttpControl& inet = Inet1_;
    // Inet1 reports its own time-out as a failed completion; this bound only catches a
    // completion that never comes (and the end of the run).
    const int bound = qMax(0, inet.RequestTimeout()) + kCompletionGraceMs;
    if (!platform::waitUntil(
            *platform_.clock, *platform_.ending, [&s] { return s.flagReplyArrived != kFalse; },
            bound, kReplyPollMs)) {
        inet.Cancel();
        s.replyText.clear();
        s.flagReplyArrived = kTrue;
        return false;
    }
    return !replyFailed_;
}

bool CatalogueClient::CatalogueRequest(const QString& address, Integer mode) {
    // flagReplyArrived and replyText serve one request only: a second one must not start.
    if (outstanding_ || Inet1_.StillExecuting())
        return false;
    AppState& s = state_;
    s.listData.clear();
    s.flagReplyArrived = kFalse;
    replyFailed_ = false;
    outstanding_ = true;
    Inet1_.Execute(address);
    const bool arrived = waitForReply();
    outstanding_ = false;
    if (!arrived)
        return false;

    const QStringList items = catalogue::cutReplyItems(s.replyText);
    for (int k = 0; k < items.size(); ++k)
        s.listData[k] = items[k];
    if (catalogue::replyIsError(items))
        return false;
    fillList(mode, items);
    return true;
}

void CatalogueClient::fillList(Integer mode, const QStringList& items) {
    AppState& s = state_;
    const int n = items.size();
    switch (mode) {
    case kAddresses:
        s.listURL.clear();
        s.listURLnameOnly.clear();
        for (int k = 0; k < n; ++k) {
            s.listURL[k] = items[k];
            s.listURLnameOnly[k] = NameAfterLastSlash(items[k]);
        }
        break;
    case kUserMessage:
        s.userMessage = catalogue::userMessageFrom(items.value(0), s.userMessage);
        break;
    case kIdentifiers:
        for (int k = 0; k < n; ++k)
            s.listIdEntry[k] = catalogue::identifierFrom(items[k]);
        break;
    case kDescriptions:
        for (int k = 0; k < n; ++k)
            s.listURLcomment[k] = items[k];
        break;
    case kCredits:
        for (int k = 0; k < n; ++k)
            s.listCopyright[k] = items[k];
        break;
    case kItemsOnly:
    default:
        break;
    }
}

bool CatalogueClient::RequestUserMessage() {
    return CatalogueRequest(requestAddress(kUserMessageSelector), kUserMessage);
}

void CatalogueClient::LoadCatalogue(Integer mode) {
    AppState& s = state_;
    ConfigFiles& config = configFiles_;
    lastLoad_ = Load::NotRequested;
    s.catalogueStatus = QStringLiteral("1");
    if (s.catalogueLoaded != 0)
        return;
    const QString selectionFile = s.WORK_PATH_FILE_LIST + ConfigFiles::kPictureListFile;
    const QString configFile = s.WORK_PATH_FILE_LIST + ConfigFiles::kConfigFile;
    if (!QFile::exists(selectionFile) || !QFile::exists(configFile))
        config.DeleteConfigurationFiles();
    if (!QFile::exists(selectionFile)) {
        s.catalogueStatus = QStringLiteral("0");
        return;
    }

    const QList<catalogue::SelectionPair> pairs =
        catalogue::selectionPairs(readLines(selectionFile));
    config.RecordSelectedIndex(true);
    for (const catalogue::SelectionPair& pair : pairs)
        config.RecordSelectedIndex(false, catalogue::selectionIndexValue(pair));
    if (pairs.isEmpty()) {
        s.strIdForBrowser = QStringLiteral("[_");
        if (mode == 0)
            s.catalogueStatus = QStringLiteral("0");
        return;
    }
    s.strIdForBrowser = catalogue::selectionIdList(pairs);

    RequestUserMessage();
    if (!config.LoadConfiguration())
        return;
    if (s.fullCatalogueWanted == 1) {
        // All three, or the list would pair addresses, ids and descriptions of different
        // catalogues (or of the saved selection only), and a save would store the wrong ids.
        const bool addresses = CatalogueRequest(requestAddress(kCatalogueSelector), kAddresses);
        const bool ids = CatalogueRequest(requestAddress(kIdentifierSelector), kIdentifiers);
        const bool descriptions =
            CatalogueRequest(requestAddress(kDescriptionSelector), kDescriptions);
        lastLoad_ = addresses && ids && descriptions ? Load::Arrived : Load::Failed;
        if (lastLoad_ == Load::Arrived && FillPictureList_)
            FillPictureList_();
    } else {
        lastLoad_ =
            CatalogueRequest(requestAddress(kSelectionSelector + s.strIdForBrowser), kAddresses)
                ? Load::Arrived
                : Load::Failed;
        pictureFetcher_.FetchPass(2);
    }
    CatalogueRequest(requestAddress(kCreditSelector), kCredits);
    s.catalogueLoaded = 1;
    s.fullCatalogueWanted = 0;
}
