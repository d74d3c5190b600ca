// The Picture Selection page on the real window: the list and its saved selection, the preview
// of a clicked entry, the check box that hides it, clearing the list, the own picture.
#include "PanelFixture.h"

#include "catalogue/SilentWebPage.h"
#include "core/PanelControl.h"
#include "panel/PictureSelectionPage.h"
#include "storage/ConfigFiles.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QWebEngineView>

namespace {

class PictureSelectionTest : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(openPanel());
        form().parts().panelControl->panControl_Timer();
        clickTab(panel().pagePictureSelection);
        messages().clear();
    }

    PictureSelectionPage& page() { return *form().parts().pictureSelection; }
    QListWidget* list() { return panel().Tabella_Mappe_Selezionate; }

    // A catalogue of `count` entries in the arrays the list is filled from.
    void useCatalogue(int count) {
        for (int k = 0; k <= PictureSelectionPage::kMaxEntries; ++k) {
            const bool used = k < count;
            state().listURL[k] = used ? QStringLiteral("2ttp://127.0.0.1:1/e%1.jpg").arg(k) : "";
            state().listURLcomment[k] = used ? QStringLiteral("entry %1").arg(k) : "";
            state().listCopyright[k] = used ? QStringLiteral("credit %1").arg(k) : "";
        }
    }
    // The list filled from a picture-list file of `bytes`; the selected rows.
    QList<int> selectedAfterFill(const QByteArray& bytes) {
        writeWorkFile(ConfigFiles::kPictureListFile, bytes);
        page().FillPictureList();
        return selectedRows();
    }
    bool previewShown() {
        return panel().BrowserImgPreview->isVisible() && panel().FrameDescPreview->isVisible() &&
               panel().DescPreview->isVisible();
    }
};

} // namespace

TEST_F(PictureSelectionTest, TheSavedPositionsInsideTheListAreSelectedAndTheReadingEndsSafely) {
    useCatalogue(3);
    EXPECT_EQ(selectedAfterFill("0\r\n11\r\n5\r\n12\r\n2\r\n13\r\n\r\n\r\n"), (QList<int>{0, 2}));
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral(" - entry 1"));
    EXPECT_TRUE(panel().FormWait->isHidden());

    // An empty first line ends the file; so do a line that is no number and a missing id line.
    EXPECT_TRUE(selectedAfterFill("\r\n\r\n1\r\n11\r\n").isEmpty());
    EXPECT_EQ(selectedAfterFill("1\r\n11\r\nabc\r\n12\r\n2\r\n13\r\n"), QList<int>{1});
    EXPECT_EQ(selectedAfterFill("2\r\n13\r\n1"), (QList<int>{1, 2}));
    // Negative, rounded and far-out positions.
    EXPECT_EQ(selectedAfterFill("-1\r\n1\r\n0.6\r\n2\r\n99999\r\n3\r\n\r\n"), QList<int>{1});
    // A missing file leaves no marks.
    QFile::remove(workPath(ConfigFiles::kPictureListFile));
    page().FillPictureList();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(list()->count(), 3);
}

TEST_F(PictureSelectionTest, AClickedEntryIsPreviewedAtItsAddressWithItsDescriptionAndCredit) {
    useCatalogue(3);
    state().listURL[1] = QStringLiteral("5ttp://127.0.0.1:1/loop.gif");
    state().listURL[2] = QStringLiteral("Xttps://127.0.0.1:1/page.html");
    state().listURLcomment[2] = QStringLiteral("<b>not bold</b>");
    page().FillPictureList();
    for (const auto& [row, address] :
         {std::pair{1, "http://127.0.0.1:1/loop.gif"}, {2, "https://127.0.0.1:1/page.html"}}) {
        SCOPED_TRACE(row);
        clickListItem(row);
        ASSERT_TRUE(previewShown());
        ASSERT_NE(page().previewPage(), nullptr);
        EXPECT_EQ(page().previewPage()->requestedUrl(), QUrl(address));
    }
    // Description, CR LF, LF, CR, credit; a description with tags stays text.
    EXPECT_EQ(panel().DescPreview->text(), QStringLiteral("<b>not bold</b>\r\n\n\rcredit 2"));
    EXPECT_EQ(panel().DescPreview->textFormat(), Qt::PlainText);
    // A press over the list marks the configuration changed, whatever it hits.
    state().configDirty = 0;
    QTest::mousePress(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(2, list()->viewport()->height() - 2));
    EXPECT_EQ(state().configDirty, 1);
}

TEST_F(PictureSelectionTest, TheCheckBoxHidesThePreviewWhateverItsMarkAndHiddenMeansEmptied) {
    useCatalogue(2);
    page().FillPictureList();
    QCheckBox* box = panel().PreViewEnabled;
    for (bool checkedBefore : {false, true}) {
        SCOPED_TRACE(checkedBefore);
        box->setChecked(checkedBefore);
        clickListItem(0);
        ASSERT_TRUE(previewShown());
        ASSERT_EQ(page().previewPage()->requestedUrl(), QUrl("http://127.0.0.1:1/e0.jpg"));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, box->height() / 2));
        EXPECT_NE(box->isChecked(), checkedBefore);
        EXPECT_TRUE(panel().BrowserImgPreview->isHidden());
        EXPECT_TRUE(panel().FrameDescPreview->isHidden());
        EXPECT_TRUE(panel().DescPreview->isHidden());
        EXPECT_EQ(page().previewPage()->requestedUrl(), QUrl("about:blank"));
    }
    // Putting the panel away drops the preview's page with its render process.
    page().hidePanel();
    EXPECT_EQ(page().previewPage(), nullptr);
    EXPECT_TRUE(panel().SSTCfg->isHidden());
}

TEST_F(PictureSelectionTest, ClearingTalksInTheLanguageAndLeavesTheConfigurationAsItWas) {
    list()->selectAll();
    for (const auto& [lingua, text] :
         {std::pair{2, "Lista cancellata - prego selezionare minimo 2 immagini o caricare una "
                       "collection"},
          {3, "List cleaned - please select min. 2 pictures or load collection"}}) {
        SCOPED_TRACE(lingua);
        state().Lingua = static_cast<Integer>(lingua);
        state().configDirty = 0;
        messages().clear();
        click(panel().Label11);
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        EXPECT_EQ(messages().texts(), QStringList{text});
        EXPECT_EQ(state().configDirty, 0);
    }
}

TEST_F(PictureSelectionTest, TheOwnPictureIsChosenAndForgottenAndACancelledDialogChangesNothing) {
    QLabel* label = panel().SSTCfg_LblinserisciImg;
    const QString picked = root() + QStringLiteral("holiday.jpg");
    fileDialogs().answer = picked;
    state().configDirty = 0;
    click(panel().SSTCfg_FileUser);
    // The dialog is explained first: nine more pictures go into the slide-show folder.
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_TRUE(messages().texts()[0].startsWith("You can add up 9 .jpg own pictures.\r\n"
                                                 "Put files in folder "));
    EXPECT_TRUE(messages().texts()[0].endsWith(state().Nimbrisco_Slide_Dir));
    ASSERT_EQ(fileDialogs().calls.size(), 1u);
    EXPECT_TRUE(fileDialogs().calls[0].filter.isEmpty());
    EXPECT_EQ(state().OwnPicturePath, picked);
    EXPECT_EQ(label->text(), picked);
    EXPECT_EQ(state().configDirty, 1);

    // Cancelled: the label, the running show and the saved file keep the picture; the dialog
    // opened in its folder.
    state().configDirty = 0;
    fileDialogs().answer.clear();
    click(panel().SSTCfg_FileUser2);
    ASSERT_EQ(fileDialogs().calls.size(), 2u);
    EXPECT_EQ(fileDialogs().calls[1].directory, QFileInfo(picked).absolutePath());
    EXPECT_EQ(state().OwnPicturePath, picked);
    EXPECT_EQ(label->text(), picked);
    EXPECT_EQ(state().configDirty, 0);

    // The remove button and its label forget it; the folder's files stay.
    for (ClickLabel* reset : {panel().SSTCfg_resetUserImg, panel().SSTCfg_resetUserImg2}) {
        state().OwnPicturePath = picked;
        label->setText(picked);
        state().configDirty = 0;
        click(reset);
        EXPECT_TRUE(state().OwnPicturePath.isEmpty());
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_EQ(state().configDirty, 1);
    }
}
