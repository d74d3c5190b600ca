#include "slideshow/Presentation.h"

#include "anigif/ucAniGIF.h"
#include "base/ClickLabel.h"
#include "core/FormPicture.h"
#include "i18n/Language.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureView.h"

#include <QLabel>
#include <QLineEdit>
#include <QWebEngineView>

namespace tw = platform::twips;

namespace {

const QString kFullScreen = QStringLiteral("Full_Screen");
const QString kNormal = QStringLiteral("Normal");

FitRect toTwips(const FitRect& hm) {
    using platform::Units;
    return {Units::himetricToTwips(hm.left), Units::himetricToTwips(hm.top),
            Units::himetricToTwips(hm.width), Units::himetricToTwips(hm.height)};
}

void applyTwips(QWidget* w, const platform::Units& u, const FitRect& r) {
    tw::setGeometry(w, u, int(r.left), int(r.top), int(r.width), int(r.height));
}

} // namespace

Presentation::Presentation(FormPicture& form) : form_(form) {
    QObject::connect(form_.panel.dyMode, &ClickLabel::clicked, &form_, [this] { dyMode_Click(); });
    QObject::connect(form_.panel.dyMode2, &ClickLabel::clicked, &form_,
                     [this] { dyMode2_Click(); });
}

bool Presentation::fullScreenMode() const {
    return form_.panel.txtDisplay->text() == kFullScreen;
}

void Presentation::showBarButtons() {
    BarControls& bar = form_.bar;
    bar.btSetup->setVisible(true);
    bar.btWait->setVisible(false);
    bar.btHelp->setVisible(!bar.btSetup->isHidden());
}

FitRect Presentation::fullScreenPlacement(const Picture& picture) const {
    using platform::Units;
    const Units u = form_.units();
    const long SW = Units::twipsToHimetric(form_.screenWidthTwips());
    const long SH =
        Units::twipsToHimetric(form_.screenHeightTwips() - tw::height(form_.bar.whoWeAre, u));
    const long w = u.pixelsToHimetric(picture.naturalSize.width());
    const long h = u.pixelsToHimetric(picture.naturalSize.height());
    return toTwips(fitFullScreen(SW, SH, w, h));
}

FitRect Presentation::normalPlacement(const Picture& picture) const {
    using platform::Units;
    const Units u = form_.units();
    const long W = Units::twipsToHimetric(tw::width(&form_, u));
    const long H = Units::twipsToHimetric(tw::height(&form_, u));
    const long w = u.pixelsToHimetric(picture.naturalSize.width());
    const long h = u.pixelsToHimetric(picture.naturalSize.height());
    return toTwips(fitNormal(W, H, w, h));
}

void Presentation::ShowPicture(const Picture& picture) {
    AppState& s = form_.state;
    ViewControls& v = form_.views;
    const platform::Units u = form_.units();

    v.fotoBrowser->hide();
    const bool fullScreen = fullScreenMode();
    s.fullScreenFlag = fullScreen ? 1 : 0;
    v.fotoBrowser->setStretch(fullScreen);
    showBarButtons();

    if (!fullScreen) {
        v.fotoBrowser->setPicture(picture);
        const FitRect r = normalPlacement(picture);
        tw::move(v.fotoBrowser, u, int(r.left), int(r.top));
    } else {
        applyTwips(v.fotoBrowser, u, fullScreenPlacement(picture));
        v.fotoBrowser->setPicture(picture);
    }

    const Integer kind = s.listPictureKind[s.GLOBAL_IMAGE_CURRENT_POINTER];
    if (kind == 2) {
        v.fotoBrowser->setStretch(false);
        tw::setGeometry(v.fotoBrowser, u, 0, 0, form_.screenWidthTwips(),
                        form_.screenHeightTwips());
        form_.bar.whoWeAre->setVisible(true);
        form_.bar.whoWeAre->raise();
    }
    if (kind != 4) {
        showBarButtons();
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
    if (kind == 4 || picture.isNull())
        return;
    QSize size = picture.naturalSize;
    if (kind != 2 && fullScreenMode()) {
        const platform::Units u = form_.units();
        const FitRect r = fullScreenPlacement(picture);
        size = QSize(u.twipsToPixels(r.width), u.twipsToPixels(r.height));
    }
    form_.views.fotoBrowser->prepare(picture, size);
}

void Presentation::ShowPictureView() {
    ViewControls& v = form_.views;
    v.fotoBrowser->setVisible(true);
    v.webvis->setVisible(false);
    v.ucAniGIF1->setVisible(false);
}

void Presentation::ShowAniGifView() {
    ViewControls& v = form_.views;
    v.ucAniGIF1->setVisible(true);
    v.fotoBrowser->setVisible(false);
    v.webvis->setVisible(false);
}

void Presentation::ShowWebView() {
    ViewControls& v = form_.views;
    v.webvis->setVisible(true);
    v.fotoBrowser->setVisible(false);
    v.ucAniGIF1->setVisible(false);
}

void Presentation::dyMode_Click() {
    QLineEdit* mode = form_.panel.txtDisplay;
    mode->setText(mode->text() != kNormal ? kNormal : kFullScreen);
    form_.language().ShowDisplayModeName();
    form_.state.configDirty = 1;
}
