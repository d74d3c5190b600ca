#include "updates/VersionCheck.h"

#include "base/AppState.h"
#include "base/BackColor.h"
#include "base/SiteAddress.h"
#include "i18n/Messages.h"
#include "i18n/TextTables.h"
#include "platform/Platform.h"
#include "storage/DelimitedReader.h"
#include "storage/TextFile.h"
#include "updates/CollectionsPackage.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// A version name or a collections id as the maker writes them. Anything else (an error page
// answered in place of the version page, a captive portal) is not shown to the user nor
// written into LocalCollection.dat.
bool isPlainField(const QString& field) {
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_.+-]{1,64}")));
    return pattern.match(field).hasMatch();
}

QString inLanguage(const i18n::FourLanguageRow& row, int lingua) {
    // Before a language is chosen the English text.
    return i18n::fourLanguage(row, lingua).value_or(QString::fromUtf8(row.text[0]));
}

} // namespace

VersionCheck::VersionCheck(AppState& state, platform::Platform& platform, QLabel* whoWeAre)
    : state_(state), platform_(platform), whoWeAre_(whoWeAre) {}

QString VersionCheck::siteRoot() const {
    // The maker's catalogue service serves the page at its root; with "LOCALHOST" the
    // endpoint is the service on this computer.
    return siteRootOf(state_.endpointBase);
}

QString VersionCheck::installedId() {
    const QString path = state_.Nimbrisco_Collections_Dir + QLatin1Char('/') + kLocalCollection;
    if (!QFile::exists(path))
        storage::writeFileAtomically(path, kFirstCollection.toLatin1());
    QString id;
    storage::DelimitedReader::fromFile(path).readField(id);
    return id;
}

void VersionCheck::CheckVersion() {
    AppState& s = state_;
    const QString root = siteRoot();
    const QString page = s.WORK_PATH_FILE_LIST + kVersionPage;
    if (root.isEmpty() || !platform_.downloader->downloadBounded(root + kVersionPage, page,
                                                                 kPageTimeoutMs, kPageMaxBytes))
        return;
    storage::DelimitedReader reader = storage::DelimitedReader::fromFile(page);
    QString newest;
    if (!reader.readField(newest) || !isPlainField(newest))
        return;
    if (newest == kProgramVersion) {
        s.Aggiornare = QStringLiteral(" ");
        setBackColor(whoWeAre_, kCurrentColour);
    } else {
        s.Aggiornare = QStringLiteral("\r\n") + newest + i18n::text::kVersionAvailable;
        setBackColor(whoWeAre_, kNewerColour);
    }
    QString published;
    // A page without a usable second field announces no collections.
    if (!reader.readField(published) || !isPlainField(published))
        published.clear();
    const QString installed = installedId();
    publishedId_ = published;
    if (!published.isEmpty() && published != installed) {
        s.Aggiornare += i18n::text::kCollectionsAvailable;
        s.flagCollectionsAvailable = kTrue;
    } else {
        s.flagCollectionsAvailable = kFalse;
    }
}

void VersionCheck::showRefused(const QString& reason) {
    platform_.messages->showMessage(
        inLanguage(i18n::kMsgCollectionsRefused, state_.Lingua).arg(reason));
}

void VersionCheck::UpdateCollections() {
    AppState& s = state_;
    if (s.flagCollectionsAvailable != kTrue || publishedId_.isEmpty() ||
        publishedId_ == passedOverId_)
        return;
    const QString package = s.WORK_PATH_FILE_LIST + kPackage;
    if (!platform_.downloader->downloadBounded(siteRoot() + kPackage, package, kPackageTimeoutMs,
                                               kPackageMaxBytes))
        return;
    const QString id = publishedId_;
    // Asked only about a package that can be installed; whatever happens, it is offered once.
    passedOverId_ = id;
    const updates::PackageResult checked = updates::readPackage(package);
    if (!checked.ok) {
        QFile::remove(package);
        showRefused(checked.reason);
        return;
    }
    const bool yes = platform_.messages->askYesNoWithin(
        inLanguage(i18n::kAskInstallCollections, s.Lingua).arg(id), kQuestionBoundMs);
    if (!yes) {
        QFile::remove(package);
        return;
    }
    const updates::PackageResult extracted =
        updates::extractPackage(package, s.Nimbrisco_Collections_Dir);
    QFile::remove(package);
    if (!extracted.ok) {
        showRefused(extracted.reason);
        return;
    }
    // Recorded only once every file is in place: a broken extraction is offered at the next run.
    if (!storage::writeFileAtomically(
            s.Nimbrisco_Collections_Dir + QLatin1Char('/') + kLocalCollection, id.toLatin1())) {
        showRefused(i18n::text::kPackageNotWritten.arg(kLocalCollection));
        return;
    }
    s.flagCollectionsAvailable = kFalse;
    s.Aggiornare.remove(i18n::text::kCollectionsAvailable);
    platform_.messages->showMessage(i18n::twoLanguage(i18n::kMsgCollectionsUpgraded, s.Lingua));
}
