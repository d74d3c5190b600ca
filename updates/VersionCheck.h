#pragma once
// The version check and the collections update. The version page at the root of the maker's
// site (of the service on this computer with "LOCALHOST") names the newest program version and
// the id of the published collections; the check shows the update notice in the status line,
// the update offers the published package and unpacks it into the collections folder. Both
// downloads are bounded to a few seconds: the window waits for them.

#include <QString>

class QLabel;
struct AppState;
namespace platform {
struct Platform;
}

class VersionCheck {
public:
    static inline const QString kProgramVersion = QStringLiteral("Nimbrisco_7.8.12P");
    static inline const QString kVersionPage = QStringLiteral("currentversion.html");
    static inline const QString kPackage = QStringLiteral("collections.tar.gz");
    static inline const QString kLocalCollection = QStringLiteral("LocalCollection.dat");
    static inline const QString kFirstCollection = QStringLiteral("Collection_001");
    static constexpr int kPageTimeoutMs = 4000;
    static constexpr qint64 kPageMaxBytes = 64 * 1024;
    static constexpr int kPackageTimeoutMs = 8000;
    static constexpr qint64 kPackageMaxBytes = 16LL * 1024 * 1024;
    // The panel's opening waits for the answer; nobody may be at the screen to give it.
    static constexpr int kQuestionBoundMs = 60000;
    // The notice's colours behind the status line.
    static constexpr int kCurrentColour = 4210752; // dark grey
    static constexpr int kNewerColour = 255;       // red

    // `whoWeAre` is the status label whose background tells the version state.
    VersionCheck(AppState& state, platform::Platform& platform, QLabel* whoWeAre);

    // Reads the version page and sets `Aggiornare`, the label's colour and
    // `flagCollectionsAvailable`. A failed download or a page that is no version page changes
    // nothing.
    void CheckVersion();
    // While collections are announced: downloads the package, asks, unpacks it into the
    // collections folder and records its id in LocalCollection.dat. A package refused or
    // declined is not offered again during this run.
    void UpdateCollections();

private:
    QString siteRoot() const;
    // The id of the installed collections, LocalCollection.dat created first when missing.
    QString installedId();
    void showRefused(const QString& reason);

    AppState& state_;
    platform::Platform& platform_;
    QLabel* whoWeAre_;
    // The collections id of the last version page read, and the one not to offer again.
    QString publishedId_;
    QString passedOverId_;
};
