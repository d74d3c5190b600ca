// The picture view: decoding at the size shown, background laying, preparing, broken input.
#include "PictureSamples.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"

#include <gtest/gtest.h>

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

} // namespace
