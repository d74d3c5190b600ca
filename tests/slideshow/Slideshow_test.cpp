// Slideshow step: download check, display codes, credit lines, user message, missing-picture
// notice, outside texts shown as plain text, empty store, the endings without a selection, and
// the animated-picture reset.
#include "../core/WindowCloseSpy.h"
#include "FormFixture.h"

#include "base/ClickLabel.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/Slideshow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

namespace {

const QString kPlaceholder = ":/pic_not_available.gif";

// Records the text of every message box that opens (a box may be shown twice as it opens).
struct BoxWatcher : QObject {
    BoxWatcher() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show && !open) {
            open = true;
            texts << box->text();
        } else if (box && event->type() == QEvent::Hide) {
            open = false;
        }
        return false;
    }
    bool open = false;
    QStringList texts;
};

class SlideshowTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
        AppState& s = state();
        s.Lingua = 1;
        s.slideIntervalMs = 8000;
        s.catalogueLoaded = 1;
        s.catalogueStatus = "1";
        s.aniGifTag = "_ANIGIF_";
        s.weAre = "Nimbrisco weather wall";
        form().parts().panel.SSTCfg_timeRefresh->setText("8");
        form().parts().panel.SSTCfg_timeDwLoad->setText("15");
    }

    // A store of n pictures; with a credit record, the first picture carries it.
    void fillStore(int n, const QString& credit = QString()) {
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
        s.listCopyright[0] = credit;
        s.listIdCopyright[0] = credit.isEmpty() ? 0 : 1;
    }

    // One step, as panControl starts it.
    void step() {
        form().parts().timers.imgClock.start();
        form().parts().slideshow->imgClock_Timer();
    }

    BarControls& bar() { return form().parts().bar; }
};

TEST_F(SlideshowTest, StepShowsTheNextSlotWrapsAndAsksForThePanelWhenThereIsNone) {
    // An empty store asks for the panel, in full screen.
    fillStore(0);
    form().parts().panel.txtDisplay->setText("Normal");
    step();
    EXPECT_EQ(state().flagCmdButton, 1);
    EXPECT_EQ(state().fullScreenFlag, 1);
    EXPECT_EQ(form().parts().panel.txtDisplay->text(), "Full_Screen");
    EXPECT_FALSE(bar().btSetup->isEnabled());

    state().flagCmdButton = 0;
    fillStore(2);
    step();
    EXPECT_FALSE(form().parts().timers.imgClock.isActive());
    EXPECT_EQ(state().clockStatus, 0);
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    EXPECT_FALSE(form().parts().views.fotoBrowser->picture().isNull());
    // A pointer beyond the store starts again at the first slot.
    state().GLOBAL_IMAGE_CURRENT_POINTER = 7;
    step();
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    // A pending command stops the step at once.
    state().flagCmdButton = 1;
    step();
    EXPECT_TRUE(form().parts().timers.imgClock.isActive());
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    EXPECT_EQ(state().cntCounterDwLoadImage, 24);
}

TEST_F(SlideshowTest, StepAboveTheDownloadLimitRunsThePass) {
    fillStore(2);
    state().listPictureKind[5] = 4;
    step();
    ASSERT_EQ(state().cntCounterDwLoadImage, 8);
    EXPECT_EQ(state().listPictureKind[5], 4);
    // 56 steps of 8 s stay within 15 minutes; the 57th runs the pass, which beeps twice.
    state().cntCounterDwLoadImage = 8 * 56;
    step();
    EXPECT_EQ(messages().beeps, 2);
    EXPECT_EQ(state().cntCounterDwLoadImage, 0);
    EXPECT_EQ(state().listPictureKind[5], 0);
    EXPECT_EQ(state().flagDownloadRunning, 0);
    EXPECT_EQ(state().flagFetchFromStep, 0);
}

TEST_F(SlideshowTest, DisplayCodesSetTheNextIntervalAndCreditLinesTheBar) {
    const struct {
        const char* code;
        int interval;
        bool animation;
    } cases[] = {{"200", 32000, true}, {"95", 100, true}, {"99", 1234, false}, {"7", 8000, false}};
    for (const auto& c : cases) {
        fillStore(1, QString("-Credit A-%1-Second line").arg(c.code));
        form().parts().timers.imgClock.setInterval(1234);
        bar().BtAnimation->hide();
        step();
        EXPECT_EQ(form().parts().timers.imgClock.interval(), c.interval) << c.code;
        EXPECT_EQ(!bar().BtAnimation->isHidden(), c.animation) << c.code;
        EXPECT_EQ(bar().whoWeAre->text(), "Credit A\r\nSecond line") << c.code;
    }
    // Long lines are cut to the bar.
    fillStore(1, "-" + QString(200, 'c') + "-7-" + QString(150, 'd'));
    state().LastUpdate = " - RFRS:01/03/2024 12:00";
    step();
    EXPECT_EQ(bar().whoWeAre->text(), QString(95, 'c') + "\r\n" + QString(95, 'd'));
    // Without a credit: the banner, at the slide interval.
    fillStore(1);
    form().parts().timers.imgClock.setInterval(1234);
    step();
    EXPECT_EQ(form().parts().timers.imgClock.interval(), 8000);
    EXPECT_EQ(bar().whoWeAre->text(), state().weAre + "\r\n. . . ");
}

TEST_F(SlideshowTest, BoxesARecordRaisesCloseByThemselvesAndTheShowGoesOn) {
    // Seven "-": three boxes at every step that shows the record, and nobody at the screen to
    // close them.
    useRealMessageBoxes(50);
    fillStore(2, "-Credit A-7-Second line-d-e-f-g");
    BoxWatcher boxes;
    step();
    EXPECT_EQ(bar().whoWeAre->text(), "Credit A\r\nSecond line");
    step();
    step();
    EXPECT_EQ(state().GLOBAL_IMAGE_CURRENT_POINTER, 1);
    EXPECT_EQ(state().clockStatus, 0);
    // Three boxes at each of the two steps that showed the first picture.
    EXPECT_EQ(boxes.texts,
              QStringList(6, "Errore. troppi parametri nella linea di comando file EXE"));
    // Whatever lies beyond the record's fields does not grow from step to step.
    EXPECT_TRUE(state().listSplit5[5].isEmpty());
}

TEST_F(SlideshowTest, UserMessageOverTheLastPictureAndTheNoticeOverAMissingOne) {
    fillStore(2);
    state().userMessage = "Welcome to the wall";
    state().listIMAGEnotLoaded[1] = -1;
    QLabel* message = bar().lblMsgUser;
    step();
    EXPECT_TRUE(message->isHidden());
    EXPECT_TRUE(bar().lCountDown->isHidden());
    step();
    EXPECT_FALSE(message->isHidden());
    EXPECT_EQ(message->text(), state().userMessage);
    EXPECT_FALSE(bar().lCountDown->isHidden());
    EXPECT_EQ(bar().lCountDown->text(), "IMAGE MISSING - PLEASE OPEN A TICKET ON OUR WEBSITE");
    EXPECT_FALSE(form().parts().views.fotoBrowser->picture().isNull());
    step(); // slot 0 again
    EXPECT_TRUE(message->isHidden());
}

TEST_F(SlideshowTest, TextsFromOutsideAreShownAsTheyAreWritten) {
    // Were they taken for rich text, a tag naming a picture would draw it into the label and the
    // status lines would run together.
    const QString picture = "<img src=':/pictures/logo.png'>";
    const QSize pictureSize = QPixmap(":/pictures/logo.png").size();
    ASSERT_FALSE(pictureSize.isEmpty());
    const auto expectPlain = [&](QLabel* label) {
        EXPECT_LT(label->sizeHint().width(), pictureSize.width()) << label->text().toStdString();
        EXPECT_LT(label->sizeHint().height(), pictureSize.height()) << label->text().toStdString();
    };

    fillStore(2, "-<b>Credit</b>-7-<i>Second line</i>");
    state().listCopyright[1] = "-" + picture + "-7-x";
    state().listIdCopyright[1] = 2;
    state().userMessage = picture + "Welcome";
    step();
    EXPECT_EQ(bar().whoWeAre->text(), "<b>Credit</b>\r\n<i>Second line</i>");
    EXPECT_GE(bar().whoWeAre->sizeHint().height(), 2 * bar().whoWeAre->fontMetrics().height());
    step();
    expectPlain(bar().whoWeAre);
    expectPlain(bar().lblMsgUser);

    // The countdown line, the description preview and the own picture's path.
    for (QLabel* label : {bar().lCountDown, form().parts().panel.DescPreview,
                          form().parts().panel.SSTCfg_LblinserisciImg}) {
        label->setText(picture);
        expectPlain(label);
    }
}

TEST_F(SlideshowTest, WithoutSelectionTheShowEndsAsAFirstRun) {
    // At the first step the catalogue load finds no saved selection.
    fillStore(1);
    state().catalogueLoaded = 0;
    writeWorkFile("Nimbrisco7_Config.dat", "15\r\n8\r\nFull_Screen\r\n\r\n");
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text, "1 F");
    EXPECT_EQ(messages().last().title, "?");
    EXPECT_FALSE(workFileExists("Nimbrisco7_Config.dat"));
    EXPECT_EQ(state().flagCmdButton, 2);
    EXPECT_EQ(state().FlagRestart, kTrue);
    EXPECT_TRUE(form().parts().views.fotoBrowser->picture().isNull());
    // Lost during the show: the picture is shown, then the end.
    messages().clear();
    state().catalogueLoaded = 1;
    state().catalogueStatus = "0";
    state().flagCmdButton = 0;
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text, "2 T");
    EXPECT_EQ(state().flagCmdButton, 2);
    EXPECT_TRUE(form().parts().views.fotoBrowser->picture().isNull());
}

TEST_F(SlideshowTest, AnimatedPicturesAreResetToThePlaceholderAndItsLossEndsTheProgram) {
    writeWorkFile("Nimbrisco7_Img_ANIGIF_1.gif", "old one");
    writeWorkFile("Nimbrisco7_Img_ANIGIF_99.gif", "old ninety-nine");
    EXPECT_TRUE(form().parts().slideshow->ResetAniGifFiles());
    QFile placeholder(kPlaceholder);
    ASSERT_TRUE(placeholder.open(QIODevice::ReadOnly));
    const QByteArray expected = placeholder.readAll();
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_1.gif"), expected);
    EXPECT_EQ(readWorkFile("Nimbrisco7_Img_ANIGIF_99.gif"), expected);
    EXPECT_FALSE(workFileExists("Nimbrisco7_Img_ANIGIF_2.gif"));
    EXPECT_TRUE(messages().shown.empty());

    // Without the placeholder the step ends the program before the pass.
    WindowCloseSpy closes(&form());
    fillStore(1);
    state().appPath = root() + "elsewhere";
    state().cntCounterDwLoadImage = 600;
    step();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().last().text,
              "ERROR! \r\nFile " + root() +
                  "elsewhere/pic_not_available.gif MISSING \r\nProgram Quit");
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_EQ(messages().beeps, 0);
}

TEST_F(SlideshowTest, BrokenFetchPassEndsWithThreeMessages) {
    WindowCloseSpy closes(&form());
    state().tmpStrUrl = "4ttp://example.net/radar.gif";
    form().parts().slideshow->FetchPassFailed();
    EXPECT_EQ(messages().texts(),
              QStringList({"Picture Error on PIC code:\r\n ____4ttp://example.net/radar.gif___",
                           "Please open a ticket on our website and cite this string:\r\n"
                           "4ttp://example.net/radar.gif",
                           "Execute cleanup before restart Nimbrisco"}));
    EXPECT_EQ(closes.closeRequests, 1);
    EXPECT_FALSE(workFileExists("Nimbrisco7_Config.dat"));
}

} // namespace
