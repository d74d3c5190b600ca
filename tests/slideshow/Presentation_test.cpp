// Presenting a picture: the picture view's decoding at the size shown, both display modes on the
// window, rendered pages, animated pictures through the real animation control, the mode button.
#include "FormFixture.h"
#include "PictureSamples.h"
#include "anigif/ucAniGIF.h"
#include "base/ClickLabel.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/Presentation.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWebEngineView>

#include <array>

namespace tw = platform::twips;

namespace {

Picture pictureOf(const QByteArray& bytes) {
    Picture p;
    p.encoded = bytes;
    p.naturalSize = pictures::decodeFull(bytes).size();
    return p;
}

TEST(PictureView, DecodesAgainWhenResizedShowsAPreparedPictureOnlyForItselfAndForgets) {
    PictureView view;
    view.setStretch(true);
    view.resize(200, 150);
    const Picture big = pictureOf(samples::jpeg(QSize(4000, 3000)));
    const Picture small = pictureOf(samples::encode(samples::twoColours(QSize(320, 240)), "PNG"));
    view.prepare(small, QSize(300, 100));
    view.setPicture(big);
    EXPECT_EQ(view.displayImage().size(), QSize(200, 150));
    view.resize(300, 100);
    const QImage shown = view.displayImage();
    EXPECT_EQ(shown, pictures::decodeAt(big, QSize(300, 100)));
    // Still the picture: red on the left, blue on the right.
    EXPECT_GT(shown.pixelColor(20, 50).red(), 200);
    EXPECT_GT(shown.pixelColor(280, 50).blue(), 200);
    view.setPicture(small);
    EXPECT_EQ(view.displayImage(), pictures::decodeAt(small, QSize(300, 100)));
    view.clearPicture();
    EXPECT_TRUE(view.displayImage().isNull());
}

TEST(PictureView, ReusesAGivenDecodeAndLaysTransparencyOnTheBackground) {
    Picture p = pictureOf(samples::transparentPng(QSize(80, 40)));
    p.flatten = true;
    p.background = qRgb(255, 255, 255);
    PictureView view;
    view.setStretch(true);
    view.resize(40, 20);
    view.setPicture(p, pictures::decodeFull(p.encoded));
    const QImage shown = view.displayImage();
    ASSERT_EQ(shown.size(), QSize(40, 20));
    EXPECT_FALSE(shown.hasAlphaChannel());
    EXPECT_EQ(QColor(shown.pixel(2, 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(37, 10)), QColor(Qt::red));
}

TEST(PictureDecoder, RejectsWhatIsNoPicture) {
    EXPECT_TRUE(pictures::decodeFull("GIF89a nonsense").isNull());
    EXPECT_TRUE(pictures::decodeFull(QByteArray()).isNull());
    EXPECT_TRUE(pictures::pictureFromFile("/nonexistent/x.jpg").isNull());
}

class PresentationTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        state().aniGifTag = "_ANIGIF_";
        tw::setHeight(form().parts().bar.whoWeAre, form().platform().units(), 600);
    }
    void show(const QString& mode, const QByteArray& bytes) {
        form().parts().panel.txtDisplay->setText(mode);
        form().parts().presentation->ShowPicture(pictureOf(bytes));
    }
    ViewControls& views() { return form().parts().views; }
    std::array<int, 4> twipsOf(QWidget* w) {
        const platform::Units u = form().platform().units();
        return {tw::left(w, u), tw::top(w, u), tw::width(w, u), tw::height(w, u)};
    }
    void expectOnlyVisible(QWidget* shown) {
        for (QWidget* w : std::initializer_list<QWidget*>{views().fotoBrowser, views().ucAniGIF1,
                                                          views().webvis})
            EXPECT_EQ(w->isHidden(), w != shown) << w->metaObject()->className();
    }
};

TEST_F(PresentationTest, FullScreenFitsASmallPictureToTheHeight) {
    form().parts().bar.btWait->show();
    form().parts().bar.btSetup->hide();
    show("Full_Screen", samples::jpeg(QSize(400, 300)));
    EXPECT_EQ(state().fullScreenFlag, 1);
    EXPECT_TRUE(views().fotoBrowser->Stretch());
    // HIMETRIC (7057, 0, 36686, 27517) in twips.
    EXPECT_EQ(twipsOf(views().fotoBrowser), (std::array<int, 4>{4001, 0, 20798, 15600}));
    expectOnlyVisible(views().fotoBrowser);
    EXPECT_FALSE(form().parts().bar.btSetup->isHidden());
    EXPECT_TRUE(form().parts().bar.btWait->isHidden());
    // Decoded at the size shown, not at the picture's own.
    const QImage shown = views().fotoBrowser->displayImage();
    EXPECT_EQ(shown.size(), views().fotoBrowser->size());
    EXPECT_GT(shown.pixelColor(5, shown.height() / 2).red(), 200);
}

TEST_F(PresentationTest, AnyOtherModeTextCentresAndCutsALargePicture) {
    for (const char* mode : {"Normal", "full_screen"}) {
        show(mode, samples::jpeg(QSize(2400, 1600)));
        EXPECT_EQ(state().fullScreenFlag, 0) << mode;
        EXPECT_FALSE(views().fotoBrowser->Stretch());
        const QRect shown = views().fotoBrowser->geometry();
        EXPECT_EQ(shown.size(), QSize(2400, 1600));
        EXPECT_LE((shown.center() - form().rect().center()).manhattanLength(), 2);
    }
}

TEST_F(PresentationTest, RenderedPageCoversTheScreenUnstretched) {
    state().GLOBAL_IMAGE_CURRENT_POINTER = 7;
    state().listPictureKind[7] = 2;
    form().parts().bar.whoWeAre->hide();
    show("Full_Screen", samples::jpeg(QSize(1920, 1080)));
    EXPECT_FALSE(views().fotoBrowser->Stretch());
    EXPECT_EQ(twipsOf(views().fotoBrowser), (std::array<int, 4>{0, 0, 28800, 16200}));
    EXPECT_FALSE(form().parts().bar.whoWeAre->isHidden());
    form().parts().presentation->ShowWebView();
    expectOnlyVisible(views().webvis);
}

TEST_F(PresentationTest, AnimatedPicturesPlayTheNumberedFilesInOrder) {
    const QSize sizes[] = {QSize(16, 8), QSize(20, 10), QSize(24, 12)};
    for (int i = 0; i < 3; ++i) {
        writeWorkFile(QString("Nimbrisco7_Img_ANIGIF_%1.gif").arg(i + 1),
                      samples::animatedGif(sizes[i], i + 2));
        state().listPictureKind[i] = 4;
    }
    state().aniGifNumber = 1;
    ucAniGIF* gif = views().ucAniGIF1;
    for (int i = 0; i < 3; ++i) {
        state().GLOBAL_IMAGE_CURRENT_POINTER = Integer(i);
        show("Full_Screen", samples::animatedGif(sizes[i], 2));
        EXPECT_EQ(state().aniGifNumber, i + 2);
        EXPECT_EQ(twipsOf(gif), twipsOf(views().fotoBrowser));
        expectOnlyVisible(gif);
        // The file of this number was loaded: it has i + 2 frames, which the control plays.
        gif->deferredDecodingTick();
        EXPECT_EQ(gif->decodedFrames(), i + 2);
        QSignalSpy frames(gif, &ucAniGIF::FrameChanged);
        ASSERT_TRUE(frames.wait(3000));
        EXPECT_EQ(gif->CurrentFrame(), 2);
    }
}

TEST_F(PresentationTest, DisplayModeButtonTogglesAndMarksTheConfigurationForSaving) {
    for (const auto& [from, to] :
         {std::pair("Normal", "Full_Screen"), {"Full_Screen", "Normal"}, {"other", "Normal"}}) {
        form().parts().panel.txtDisplay->setText(from);
        state().configDirty = 0;
        emit form().parts().panel.dyMode->clicked();
        EXPECT_EQ(form().parts().panel.txtDisplay->text(), to) << from;
        EXPECT_EQ(state().configDirty, 1);
    }
}

} // namespace
