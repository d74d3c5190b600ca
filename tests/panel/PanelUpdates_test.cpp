// The version check and the collections update on the real window with "-LOCALHOST": the
// start-up and the start of the slide show read the local version page, the panel's opening
// offers newer collections and installs them.
#include "PanelFixture.h"
#include "base/BackColor.h"
#include "panel/PictureSelectionPage.h"
#include "updates/VersionCheck.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

class PanelUpdatesTest : public PanelFixture {
protected:
    PanelUpdatesTest() { localhostSwitch = true; }
    int questions() const {
        int n = 0;
        for (const auto& m : const_cast<PanelUpdatesTest*>(this)->messages().shown)
            n += m.kind == platform::RecordedMessage::Kind::YesNo;
        return n;
    }
};

TEST_F(PanelUpdatesTest, StartUpPanelAndSlideShowReadTheLocalVersionPage) {
    // The start-up read the page of the service: this version is the newest.
    EXPECT_EQ(state().Aggiornare, " ");
    EXPECT_EQ(backColor(form().parts().bar.whoWeAre), VersionCheck::kCurrentColour);

    service->memory().versionPage = catalogueservice::VersionPageMode::NewerVersion;
    form().parts().pictureSelection->SSTCfg_cmdConferma_Click();
    EXPECT_EQ(state().Aggiornare, "\r\nNimbrisco_7.9.0P AVAILABLE");
    EXPECT_EQ(backColor(form().parts().bar.whoWeAre), VersionCheck::kNewerColour);
    EXPECT_EQ(questions(), 0);

    service->memory().versionPage = catalogueservice::VersionPageMode::NewerCollections;
    messages().queueAnswers({true});
    ASSERT_TRUE(openPanel());
    EXPECT_EQ(questions(), 1);
    const QDir collections(state().Nimbrisco_Collections_Dir);
    EXPECT_EQ(collections.entryList({"Nimbrisco_Collection_*"}, QDir::Files).size(), 2);
    QFile installed(collections.filePath("LocalCollection.dat"));
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    EXPECT_EQ(installed.readAll(), "Collection_002");
    EXPECT_EQ(state().flagCollectionsAvailable, kFalse);
    EXPECT_EQ(state().Aggiornare, " ");
}

} // namespace
