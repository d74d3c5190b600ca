// Slideshow step: download check, display codes, credit lines, user message, missing-picture
// notice, empty store, the endings without a selection, and the animated-picture reset.
#include "../core/WindowCloseSpy.h"
#include "FormFixture.h"

#include "core/ClickLabel.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/Slideshow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kPlaceholder = QStringLiteral(":/pic_not_available.gif");

class SlideshowTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        AppState& s = state();
        s.Lingua = 1;
        s.slideIntervalMs = 8000;
        s.catalogueLoaded = 1;
        s.catalogueStatus = QStringLiteral("1");
        s.aniGifTag = QStringLiteral("_ANIGIF_");
        s.weAre = QStringLiteral("Nimbrisco weather wall");
        form().panel.SSTCfg_timeRefresh->setText(QStringLiteral("8"));
        form().panel.SSTCfg_timeDwLoad->setText(QStringLiteral("15"));
    }

    void fillStore(int n) {
        const Picture picture = pictures::pictureFromFile(kPlaceholder);
        ASSERT_FALSE(picture.isNull());
        AppState& s = state();
        for (int i = 0; i < n; ++i) {
            s.listPicture[i] = picture;
            s.listPictureKind[i] = 1;
            s.listIMAGEnotLoaded[i] = 0;
            s.listIdCopyright[i] = 0;
        }
        s.pictureCount = Integer(n);
    }

    // A one-picture store whose picture carries `credit` as its credit record.
    void storeWithCredit(const QString& credit) {
        fillStore(1);
        state().listCopyright[0] = credit;
        state().listIdCopyright[0] = 1;
    }

    // One step, as panControl starts it.
    void step() {
        form().imgClock.start();
        form().slideshow().imgClock_Timer();
    }

    BarControls& bar() { return form().bar; }
    QString aniGif(int i) const {
        return workPath(QStringLiteral("Nimbrisco7_Img_ANIGIF_%1.gif").arg(i));
    }
};

TEST_F(SlideshowTest, StepSwitchesItsTimerOffAndEndsIdle) {
    fillStore(2);
    step();
    EXPECT_FALSE(form().imgClock.isActive());
    EXPECT_EQ(state().clockStatus, 0);
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    EXPECT_FALSE(form().views.fotoBrowser->picture().isNull());
}

TEST_F(SlideshowTest, PendingCommandStopsTheStepAtOnce) {
    fillStore(2);
    state().flagCmdButton = 1;
    step();
    EXPECT_TRUE(form().imgClock.isActive());
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 0);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
}

TEST_F(SlideshowTest, The57thStepRunsTheDownloadPass) {
    fillStore(2);
    state().listPictureKind[5] = 4;
    for (int k = 1; k <= 56; ++k) {
        step();
        ASSERT_EQ(state().cntCounterDwLoadImage, 8 * k);
    }
    EXPECT_EQ(messages().beeps, 0);
    EXPECT_EQ(state().listPictureKind[5], 4);
    // The bar while the pass runs, seen from its first wait.
    bool seen = false;
    clock().onSleep = [&](int) {
        if (seen)
            return;
        seen = true;
        EXPECT_EQ(state().flagDownloadRunning, 1);
        EXPECT_EQ(state().flagFetchFromStep, 1);
        EXPECT_FALSE(bar().btSetup->isEnabled());
        EXPECT_TRUE(bar().btSetup->isHidden());
        EXPECT_TRUE(bar().btHelp->isHidden());
        EXPECT_FALSE(bar().btWait->isHidden());
        EXPECT_FALSE(bar().lCountDown->isHidden());
        EXPECT_EQ(state().clockStatus, 1);
    };
    step();
    EXPECT_TRUE(seen);
    // The pass announces its pictures with two beeps.
    EXPECT_EQ(messages().beeps, 2);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
    EXPECT_EQ(state().listPictureKind[5], 0);
    EXPECT_EQ(state().flagDownloadRunning, 0);
    EXPECT_EQ(state().flagFetchFromStep, 0);
    EXPECT_TRUE(form().utilityTmr.isActive());
    EXPECT_EQ(state().clockStatus, 0);
}

TEST_F(SlideshowTest, CounterForcedAboveTheLimitRunsAPassNextStep) {
    fillStore(1);
    state().cntCounterDwLoadImage = 550;
    step();
    EXPECT_EQ(messages().beeps, 2);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
}

TEST_F(SlideshowTest, DisplayCodesSetTheNextInterval) {
    struct Case {
        const char* code;
        int interval;
        bool animation;
    };
    for (const Case& c : {Case{"200", 32000, true}, Case{"95", 100, true}, Case{"99", 1234, false},
                          Case{"7", 8000, false}}) {
        storeWithCredit(QStringLiteral("-Credit A-%1-Second line").arg(c.code));
        form().imgClock.setInterval(1234);
        bar().BtAnimation->hide();
        step();
        EXPECT_EQ(form().imgClock.interval(), c.interval) << c.code;
        EXPECT_EQ(!bar().BtAnimation->isHidden(), c.animation) << c.code;
        EXPECT_EQ(state().statusLine1, QStringLiteral("Credit A")) << c.code;
        EXPECT_EQ(state().statusLine2, QStringLiteral("Second line")) << c.code;
    }
}

TEST_F(SlideshowTest, PictureWithoutCreditShowsTheBannerAtTheSlideInterval) {
    fillStore(1);
    form().imgClock.setInterval(1234);
    step();
    EXPECT_EQ(state().statusLine1, state().weAre);
    EXPECT_EQ(state().statusLine2, QStringLiteral(". . . "));
    EXPECT_EQ(form().imgClock.interval(), 8000);
    EXPECT_EQ(bar().whoWeAre->text(), state().weAre + QStringLiteral("\r\n. . . "));
}

TEST_F(SlideshowTest, LongCreditLinesAreCutToTheBar) {
    storeWithCredit(QStringLiteral("-") + QString(200, QLatin1Char('c')) + QStringLiteral("-7-") +
                    QString(150, QLatin1Char('d')));
    state().LastUpdate = QStringLiteral(" - RFRS:01/03/2024 12:00");
    step();
    const QStringList lines = bar().whoWeAre->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(95, QLatin1Char('c')));
    EXPECT_EQ(lines[1], QString(95, QLatin1Char('d')));
}

TEST_F(SlideshowTest, UserMessageOnlyOverTheLastPicture) {
    fillStore(3);
    state().userMessage = QStringLiteral("Welcome to the wall");
    QLabel* message = bar().lblMsgUser;
    for (int p = 0; p < 2; ++p) {
        step();
        EXPECT_TRUE(message->isHidden()) << p;
    }
    step();
    ASSERT_FALSE(message->isHidden());
    EXPECT_EQ(message->text(), state().userMessage);
    EXPECT_NEAR(message->geometry().center().x(), form().width() / 2, 1);
    EXPECT_NEAR(message->geometry().center().y(), form().height() / 2, 1);
    step(); // slot 0 again
    EXPECT_TRUE(message->isHidden());
}

TEST_F(SlideshowTest, StoreOfOnePictureKeepsTheMessageUp) {
    fillStore(1);
    state().userMessage = QStringLiteral("Hello");
    for (int k = 0; k < 3; ++k) {
        step();
        EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
        EXPECT_FALSE(bar().lblMsgUser->isHidden());
    }
}

TEST_F(SlideshowTest, PointerBeyondTheStoreWrapsToTheFirstSlot) {
    fillStore(2);
    state().GLOBAL_IMAGE_CURRENT_POINTER = 7;
    step();
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
}

TEST_F(SlideshowTest, MissingPictureIsShownWithItsNotice) {
    fillStore(2);
    state().listIMAGEnotLoaded[1] = -1;
    step();
    EXPECT_TRUE(bar().lCountDown->isHidden());
    step();
    EXPECT_FALSE(bar().lCountDown->isHidden());
    EXPECT_EQ(bar().lCountDown->text(),
              QStringLiteral("IMAGE MISSING - PLEASE OPEN A TICKET ON OUR WEBSITE"));
    EXPECT_FALSE(form().views.fotoBrowser->picture().isNull());
}

TEST_F(SlideshowTest, EmptyStoreAsksForThePanelInFullScreen) {
    fillStore(0);
    form().panel.txtDisplay->setText(QStringLiteral("Normal"));
    step();
    EXPECT_EQ(state().flagCmdButton, 1);
    EXPECT_EQ(state().fullScreenFlag, 1);
    EXPECT_EQ(form().panel.txtDisplay->text(), QStringLiteral("Full_Screen"));
    EXPECT_FALSE(bar().whoWeAre->isEnabled());
    EXPECT_FALSE(bar().btSetup->isEnabled());
    EXPECT_EQ(state().clockStatus, 0);
    EXPECT_FALSE(form().imgClock.isActive());
}

TEST_F(SlideshowTest, FirstStepWithoutSavedSelectionEndsAsFirstRun) {
    fillStore(1);
    state().catalogueLoaded = 0;
    writeWorkFile(QStringLiteral("Nimbrisco7_Config.dat"), "15\r\n8\r\nFull_Screen\r\n\r\n");
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text, QStringLiteral("1 F"));
    EXPECT_EQ(messages().last().title, QStringLiteral("?"));
    EXPECT_EQ(messages().last().icon, platform::MsgIcon::Information);
    EXPECT_FALSE(workFileExists(QStringLiteral("Nimbrisco7_Config.dat")));
    EXPECT_EQ(state().flagCmdButton, 2);
    EXPECT_EQ(state().FlagRestart, kTrue);
    EXPECT_EQ(state().clockStatus, 0);
    EXPECT_EQ(state().flagDownloadRunning, 0);
    EXPECT_TRUE(form().views.fotoBrowser->picture().isNull());
}

TEST_F(SlideshowTest, SelectionLostDuringTheSlideshowEndsAfterThePicture) {
    fillStore(1);
    state().catalogueStatus = QStringLiteral("0");
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text, QStringLiteral("2 T"));
    EXPECT_EQ(messages().last().title, QStringLiteral("?"));
    EXPECT_EQ(state().flagCmdButton, 2);
    EXPECT_TRUE(form().views.fotoBrowser->picture().isNull());
}

TEST_F(SlideshowTest, AnimatedPicturesAreResetToThePlaceholder) {
    writeWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif"), "old one");
    writeWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_99.gif"), "old ninety-nine");
    EXPECT_TRUE(form().slideshow().ResetAniGifFiles());
    QFile placeholder(kPlaceholder);
    ASSERT_TRUE(placeholder.open(QIODevice::ReadOnly));
    const QByteArray expected = placeholder.readAll();
    EXPECT_EQ(readWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif")), expected);
    EXPECT_EQ(readWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_99.gif")), expected);
    EXPECT_FALSE(QFile::exists(aniGif(2)));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(SlideshowTest, MissingPlaceholderEndsTheProgramBeforeThePass) {
    WindowCloseSpy closes(&form());
    fillStore(1);
    state().appPath = root() + QStringLiteral("elsewhere");
    writeWorkFile(QStringLiteral("Nimbrisco7_Img_ANIGIF_3.gif"), "old");
    state().cntCounterDwLoadImage = 600;
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text,
              QStringLiteral("ERROR! \r\nFile ") + root() +
                  QStringLiteral("elsewhere/pic_not_available.gif MISSING \r\nProgram Quit"));
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_EQ(state().ExitToProgram, kTrue);
    EXPECT_EQ(messages().beeps, 0); // no pass ran
    EXPECT_FALSE(form().imgClock.isActive());
    EXPECT_FALSE(form().generalClock.isActive());
}

TEST_F(SlideshowTest, BrokenFetchPassEndsWithThreeMessages) {
    WindowCloseSpy closes(&form());
    state().tmpStrUrl = QStringLiteral("4ttp://example.net/radar.gif");
    form().slideshow().FetchPassFailed();
    ASSERT_EQ(messages().shown.size(), 3u);
    EXPECT_EQ(messages().shown[0].text,
              QStringLiteral("Picture Error on PIC code:\r\n ____4ttp://example.net/radar.gif___"));
    EXPECT_EQ(messages().shown[1].text,
              QStringLiteral("Please open a ticket on our website and cite this string:\r\n"
                             "4ttp://example.net/radar.gif"));
    EXPECT_EQ(messages().shown[2].text, QStringLiteral("Execute cleanup before restart Nimbrisco"));
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_FALSE(workFileExists(QStringLiteral("Nimbrisco7_Config.dat")));
}

} // namespace
