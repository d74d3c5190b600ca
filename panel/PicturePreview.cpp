// The preview area of the Picture Selection page: the clicked entry's source in a browser page
// that shows no script dialogs, with its description and credit below.
#include "panel/PictureSelectionPage.h"

#include "base/AppState.h"
#include "catalogue/SilentWebPage.h"
#include "panel/PanelControls.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QWebEngineView>

namespace {

const QUrl kEmptyPage(QStringLiteral("about:blank"));
// An empty preview disappears into the black window; a page gets the usual white.
const QColor kEmptyBackground(Qt::black);
const QColor kPageBackground(Qt::white);

} // namespace

SilentWebPage& PictureSelectionPage::preparedPreviewPage() {
    // Made before the view is first shown: a view shown without a page makes one of its own,
    // which would show the dialogs of the pages it opens.
    if (!preview_) {
        preview_ = new SilentWebPage(controls_.BrowserImgPreview);
        preview_->setBackgroundColor(kEmptyBackground);
        controls_.BrowserImgPreview->setPage(preview_);
    }
    preview_->setSilent(state_.flagSilent != kFalse);
    return *preview_;
}

void PictureSelectionPage::ShowPreviewArea() {
    PanelControls& c = controls_;
    preparedPreviewPage();
    for (QWidget* w :
         {static_cast<QWidget*>(c.BrowserImgPreview), static_cast<QWidget*>(c.FrameDescPreview),
          static_cast<QWidget*>(c.DescPreview)}) {
        w->show();
        w->raise();
    }
}

void PictureSelectionPage::HidePreviewArea() {
    PanelControls& c = controls_;
    for (QWidget* w :
         {static_cast<QWidget*>(c.BrowserImgPreview), static_cast<QWidget*>(c.FrameDescPreview),
          static_cast<QWidget*>(c.DescPreview)})
        w->hide();
    if (preview_ && preview_->requestedUrl() != kEmptyPage) {
        preview_->setBackgroundColor(kEmptyBackground);
        preview_->load(kEmptyPage);
    }
}

void PictureSelectionPage::showEntryPreview(int k) {
    const AppState& s = state_;
    // The first character of a catalogue address is its source kind, in place of the "h".
    const QString address = QLatin1Char('h') + s.listURL[k].mid(1);
    SilentWebPage& page = preparedPreviewPage();
    page.setBackgroundColor(kPageBackground);
    page.load(QUrl(address));
    controls_.DescPreview->setText(s.listURLcomment[k] + QStringLiteral("\r\n\n\r") +
                                   s.listCopyright[k]);
}

void PictureSelectionPage::releasePreview() {
    if (!preview_)
        return;
    // The view must not be left pointing at the page being deleted; hidden, it makes no new one.
    controls_.BrowserImgPreview->hide();
    delete preview_;
    preview_ = nullptr;
}
