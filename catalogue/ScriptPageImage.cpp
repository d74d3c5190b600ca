// The first image of a script page, saved as "PHP.gif" for the loader.
#include "catalogue/PictureFetcher.h"

#include "base/AppState.h"
#include "base/Timers.h"
#include "catalogue/SilentWebPage.h"
#include "i18n/Messages.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "storage/TextFile.h"

#include <QApplication>
#include <QCursor>
#include <QVariant>

namespace {

const char kFirstImageScript[] = "document.images.length ? document.images[0].src : ''";

} // namespace

bool PictureFetcher::SaveFirstPageImage() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    platform_.clock->yield();
    const QString folder = state_.Nimbrisco_PHP_Dir + QLatin1Char('/');
    bool saved = false;
    if (!waitUntil([this] { return pageCompleted_; }, scriptPageTimeoutMs)) {
        lastError_ = i18n::text::kPageNotLoaded;
    } else {
        bool answered = false;
        QString source;
        silentPage().runJavaScript(QString::fromLatin1(kFirstImageScript),
                                   [&answered, &source](const QVariant& result) {
                                       source = result.toString();
                                       answered = true;
                                   });
        if (!waitUntil([&answered] { return answered; }, scriptResultTimeoutMs))
            lastError_ = i18n::text::kPageNoAnswer;
        else if (source.trimmed().isEmpty())
            lastError_ = i18n::text::kPageWithoutImage;
        else
            saved = SaveImageFromUrl(folder, source);
        platform_.clock->yield();
    }
    QApplication::restoreOverrideCursor();
    platform_.messages->beep();
    return saved;
}

bool PictureFetcher::SaveImageFromUrl(const QString& folder, const QString& address) {
    QString url = address.trimmed();
    const QString scheme = url.left(8).toLower();
    if (!scheme.startsWith(QLatin1String("http://")) && scheme != QLatin1String("https://"))
        url.prepend(QStringLiteral("http://"));
    const QByteArray bytes = Inet1_.OpenURL(url);
    if (bytes.isEmpty()) {
        lastError_ = i18n::text::kImageNotFetched.arg(url);
        return false;
    }
    if (!storage::writeFileAtomically(folder + QStringLiteral("PHP.gif"), bytes)) {
        lastError_ = i18n::text::kImageNotWritten.arg(folder + QStringLiteral("PHP.gif"));
        return false;
    }
    return true;
}
