// Presenting a picture: both display modes on the window, rendered pages, animated pictures
// through the real animation control, and the display-mode button.
#include "FormFixture.h"
#include "PictureSamples.h"
#include "anigif/ucAniGIF.h"
#include "core/ClickLabel.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/Presentation.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWebEngineView>

namespace tw = platform::twips;

namespace {

Picture pictureOf(const QByteArray& bytes) {
    Picture p;
    p.encoded = bytes;
    p.naturalSize = pictures::decodeFull(bytes).size();
    return p;
}

class PresentationTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        state().aniGifTag = QStringLiteral("_ANIGIF_");
        tw::setHeight(form().bar.whoWeAre, form().units(), 600);
    }
    Presentation& presentation() { return form().presentation(); }
    ViewControls& views() { return form().views; }
    void setMode(const QString& mode) { form().panel.txtDisplay->setText(mode); }
    FitRect geometryOf(QWidget* w) {
        const platform::Units u = form().units();
        return {tw::left(w, u), tw::top(w, u), tw::width(w, u), tw::height(w, u)};
    }
    void expectOnlyVisible(QWidget* shown) {
        for (QWidget* w :
             {static_cast<QWidget*>(views().fotoBrowser), static_cast<QWidget*>(views().ucAniGIF1),
              static_cast<QWidget*>(views().webvis)})
            EXPECT_EQ(w->isHidden(), w != shown) << w->metaObject()->className();
    }
    void expectBarButtons() {
        EXPECT_FALSE(form().bar.btSetup->isHidden());
        EXPECT_TRUE(form().bar.btWait->isHidden());
        EXPECT_FALSE(form().bar.btHelp->isHidden());
    }
};

TEST_F(PresentationTest, FullScreenFitsASmallPictureToTheHeight) {
    setMode("Full_Screen");
    form().bar.btWait->show();
    form().bar.btSetup->hide();
    presentation().ShowPicture(pictureOf(samples::jpeg(QSize(400, 300))));

    EXPECT_EQ(state().fullScreenFlag, 1);
    EXPECT_TRUE(views().fotoBrowser->Stretch());
    // HIMETRIC (7057, 0, 36686, 27517) in twips.
    const FitRect r = geometryOf(views().fotoBrowser);
    EXPECT_EQ(r.left, 4001);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.width, 20798);
    EXPECT_EQ(r.height, 15600);
    expectOnlyVisible(views().fotoBrowser);
    expectBarButtons();
    // Decoded at the size shown, not at the picture's own.
    EXPECT_EQ(views().fotoBrowser->displayImage().size(), views().fotoBrowser->size());
}

TEST_F(PresentationTest, NormalModeCentresAndCutsALargePicture) {
    setMode("Normal");
    const Picture big = pictureOf(samples::jpeg(QSize(2400, 1600)));
    presentation().ShowPicture(big);

    EXPECT_EQ(state().fullScreenFlag, 0);
    EXPECT_FALSE(views().fotoBrowser->Stretch());
    EXPECT_EQ(views().fotoBrowser->size(), QSize(2400, 1600));
    const QRect shown = views().fotoBrowser->geometry();
    EXPECT_LT(shown.left(), 0);
    EXPECT_LT(shown.top(), 0);
    EXPECT_GT(shown.right(), form().width() - 1);
    EXPECT_GT(shown.bottom(), form().height() - 1);
    EXPECT_LE(qAbs(shown.center().x() - form().rect().center().x()), 1);
    EXPECT_LE(qAbs(shown.center().y() - form().rect().center().y()), 1);
    expectOnlyVisible(views().fotoBrowser);
}

TEST_F(PresentationTest, AnyTextButFullScreenIsNormalMode) {
    setMode("full_screen");
    presentation().ShowPicture(pictureOf(samples::jpeg(QSize(100, 50))));
    EXPECT_EQ(state().fullScreenFlag, 0);
    EXPECT_EQ(views().fotoBrowser->size(), QSize(100, 50));
}

TEST_F(PresentationTest, RenderedPageCoversTheScreenUnstretched) {
    setMode("Full_Screen");
    state().GLOBAL_IMAGE_CURRENT_POINTER = 7;
    state().listPictureKind[7] = 2;
    form().bar.whoWeAre->hide();
    presentation().ShowPicture(pictureOf(samples::jpeg(QSize(1920, 1080))));

    EXPECT_FALSE(views().fotoBrowser->Stretch());
    const FitRect r = geometryOf(views().fotoBrowser);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.width, 28800);
    EXPECT_EQ(r.height, 16200);
    EXPECT_FALSE(form().bar.whoWeAre->isHidden());
    expectOnlyVisible(views().fotoBrowser);
}

TEST_F(PresentationTest, AnimatedPicturesPlayTheNumberedFilesInOrder) {
    setMode("Full_Screen");
    const QSize sizes[] = {QSize(16, 8), QSize(20, 10), QSize(24, 12)};
    for (int i = 0; i < 3; ++i) {
        writeWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_%1.gif").arg(i + 1),
                      samples::animatedGif(sizes[i], i + 2));
        state().listPictureKind[i] = 4;
    }
    state().aniGifNumber = 1;
    ucAniGIF* gif = views().ucAniGIF1;
    for (int i = 0; i < 3; ++i) {
        state().GLOBAL_IMAGE_CURRENT_POINTER = Integer(i);
        presentation().ShowPicture(pictureOf(samples::animatedGif(sizes[i], 2)));

        EXPECT_EQ(state().aniGifNumber, i + 2);
        EXPECT_EQ(gif->DelayAnimation(), 1);
        EXPECT_EQ(gif->CurrentFrame(), 1);
        EXPECT_EQ(geometryOf(gif).left, geometryOf(views().fotoBrowser).left);
        EXPECT_EQ(geometryOf(gif).width, geometryOf(views().fotoBrowser).width);
        EXPECT_EQ(geometryOf(gif).height, geometryOf(views().fotoBrowser).height);
        expectOnlyVisible(gif);
        // The file of this number was loaded: it has i + 2 frames, which the control plays.
        gif->deferredDecodingTick();
        EXPECT_EQ(gif->decodedFrames(), i + 2);
        QSignalSpy frames(gif, &ucAniGIF::FrameChanged);
        ASSERT_TRUE(frames.wait(3000));
        EXPECT_EQ(gif->CurrentFrame(), 2);
    }
}

TEST_F(PresentationTest, DisplayModeButtonToggles) {
    setMode("Normal");
    emit form().panel.dyMode->clicked();
    EXPECT_EQ(form().panel.txtDisplay->text(), "Full_Screen");
    EXPECT_EQ(state().configDirty, 1);

    state().configDirty = 0;
    presentation().dyMode_Click();
    EXPECT_EQ(form().panel.txtDisplay->text(), "Normal");
    EXPECT_EQ(state().configDirty, 1);

    setMode("something else");
    presentation().dyMode_Click();
    EXPECT_EQ(form().panel.txtDisplay->text(), "Normal");

    emit form().panel.dyMode2->clicked();
    EXPECT_EQ(form().panel.txtDisplay->text(), "Normal");
}

TEST_F(PresentationTest, OnlyOneViewAtATime) {
    presentation().ShowWebView();
    expectOnlyVisible(views().webvis);
    presentation().ShowAniGifView();
    expectOnlyVisible(views().ucAniGIF1);
    presentation().ShowPictureView();
    expectOnlyVisible(views().fotoBrowser);
}

TEST_F(PresentationTest, PreparedSlotMatchesWhatIsShown) {
    setMode("Full_Screen");
    const Picture next = pictureOf(samples::jpeg(QSize(800, 600)));
    presentation().prepare(next, 1);
    presentation().ShowPicture(next);
    const QImage shown = views().fotoBrowser->displayImage();
    EXPECT_EQ(shown.size(), views().fotoBrowser->size());
    EXPECT_EQ(shown.pixelColor(5, shown.height() / 2).red() > 200, true);
}

TEST_F(PresentationTest, PlaceholderPicturesComeWithTheProgram) {
    EXPECT_FALSE(views().ImageLogoPRO.isNull());
    EXPECT_FALSE(views().ImageNonDisponibile.isNull());
    EXPECT_FALSE(views().ErrLoadPicture.isNull());
    EXPECT_NE(views().ImageNonDisponibile.encoded, views().ErrLoadPicture.encoded);
}

} // namespace
