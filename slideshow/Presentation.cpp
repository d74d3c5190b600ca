#include "slideshow/Presentation.h"

#include "anigif/ucAniGIF.h"
#include "bar/ControlBar.h"
#include "base/AppState.h"
#include "base/Codes.h"
#include "i18n/Language.h"
#include "platform/Platform.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureView.h"
#include "slideshow/ViewControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QWebEngineView>

namespace tw = platform::twips;

namespace {

FitRect toTwips(const FitRect& hm) {
    using platform::Units;
    return {Units::himetricToTwips(hm.left), Units::himetricToTwips(hm.top),
            Units::himetricToTwips(hm.width), Units::himetricToTwips(hm.height)};
}

void applyTwips(QWidget* w, const platform::Units& u, const FitRect& r) {
    tw::setGeometry(w, u, int(r.left), int(r.top), int(r.width), int(r.height));
}

} // namespace

Presentation::Presentation(ViewControls& views, ControlBar& controlBar, QLineEdit* txtDisplay,
                           QWidget* window, AppState& state, platform::Platform& platform,
                           Language& language)
    : views_(views), controlBar_(controlBar), bar_(controlBar.controls()), txtDisplay_(txtDisplay),
      window_(window), state_(state), platform_(platform), language_(language) {}

bool Presentation::fullScreenMode() const {
    return txtDisplay_->text() == codes::kFullScreen;
}

FitRect Presentation::fullScreenPlacement(const Picture& picture) const {
    using platform::Units;
    const Units u = platform_.units();
    const long SW = Units::twipsToHimetric(platform_.screenWidthTwips());
    const long SH =
        Units::twipsToHimetric(platform_.screenHeightTwips() - tw::height(bar_.whoWeAre, u));
    const long w = u.pixelsToHimetric(picture.naturalSize.width());
    const long h = u.pixelsToHimetric(picture.naturalSize.height());
    return toTwips(fitFullScreen(SW, SH, w, h));
}

FitRect Presentation::normalPlacement(const Picture& picture) const {
    using platform::Units;
    const Units u = platform_.units();
    const long W = Units::twipsToHimetric(tw::width(window_, u));
    const long H = Units::twipsToHimetric(tw::height(window_, u));
    const long w = u.pixelsToHimetric(picture.naturalSize.width());
    const long h = u.pixelsToHimetric(picture.naturalSize.height());
    return toTwips(fitNormal(W, H, w, h));
}

void Presentation::ShowPicture(const Picture& picture) {
    AppState& s = state_;
    ViewControls& v = views_;
    const platform::Units u = platform_.units();

    v.fotoBrowser->hide();
    const bool fullScreen = fullScreenMode();
    s.fullScreenFlag = fullScreen ? 1 : 0;
    v.fotoBrowser->setStretch(fullScreen);
    controlBar_.BarButtonsIdle();

    if (!fullScreen) {
        v.fotoBrowser->setPicture(picture);
        const FitRect r = normalPlacement(picture);
        tw::move(v.fotoBrowser, u, int(r.left), int(r.top));
    } else {
        applyTwips(v.fotoBrowser, u, fullScreenPlacement(picture));
        v.fotoBrowser->setPicture(picture);
    }

    const Integer kind = s.listPictureKind[s.GLOBAL_IMAGE_CURRENT_POINTER];
    if (kind == codes::picture::kPage) {
        v.fotoBrowser->setStretch(false);
        tw::setGeometry(v.fotoBrowser, u, 0, 0, platform_.screenWidthTwips(),
                        platform_.screenHeightTwips());
        bar_.whoWeAre->setVisible(true);
        bar_.whoWeAre->raise();
    }
    if (kind != codes::picture::kAnimated) {
        controlBar_.BarButtonsIdle();
        ShowPictureView();
        return;
    }

    v.ucAniGIF1->setDelayAnimation(1);
    tw::setGeometry(v.ucAniGIF1, u, tw::left(v.fotoBrowser, u), tw::top(v.fotoBrowser, u),
                    tw::width(v.fotoBrowser, u), tw::height(v.fotoBrowser, u));
    v.ucAniGIF1->LoadAnimatedGIF_File(s.imageFilePrefix + s.aniGifTag +
                                      QString::number(s.aniGifNumber) + QStringLiteral(".gif"));
    ShowAniGifView();
    s.aniGifNumber = saturatedInteger(s.aniGifNumber + 1);
}

void Presentation::prepare(const Picture& picture, Integer kind) {
    if (kind == codes::picture::kAnimated || picture.isNull())
        return;
    QSize size = picture.naturalSize;
    if (kind != codes::picture::kPage && fullScreenMode()) {
        const platform::Units u = platform_.units();
        const FitRect r = fullScreenPlacement(picture);
        size = QSize(u.twipsToPixels(r.width), u.twipsToPixels(r.height));
    }
    views_.fotoBrowser->prepare(picture, size);
}

void Presentation::ShowPictureView() {
    ViewControls& v = views_;
    v.fotoBrowser->setVisible(true);
    v.webvis->setVisible(false);
    v.ucAniGIF1->setVisible(false);
}

void Presentation::ShowAniGifView() {
    ViewControls& v = views_;
    v.ucAniGIF1->setVisible(true);
    v.fotoBrowser->setVisible(false);
    v.webvis->setVisible(false);
}

void Presentation::ShowWebView() {
    ViewControls& v = views_;
    v.webvis->setVisible(true);
    v.fotoBrowser->setVisible(false);
    v.ucAniGIF1->setVisible(false);
}

void Presentation::HideRenderViews() {
    views_.webvis->hide();
    views_.ucAniGIF1->hide();
    tw::setGeometry(views_.webvis, platform_.units(), 0, 0, platform_.screenWidthTwips(),
                    platform_.screenHeightTwips());
}

void Presentation::dyMode_Click() {
    QLineEdit* mode = txtDisplay_;
    mode->setText(mode->text() != codes::kNormal ? codes::kNormal : codes::kFullScreen);
    language_.ShowDisplayModeName();
    state_.configDirty = 1;
}
