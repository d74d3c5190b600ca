// A user's first selection, from start to slideshow, on the real window and the real catalogue
// service: a saved selection that yields no picture makes the program open the panel by itself;
// the user walks to Picture Selection, picks three entries, walks to Run / Exit and starts.
#include "PanelFixture.h"

#include "base/Timers.h"
#include "slideshow/PictureView.h"
#include "slideshow/Slideshow.h"
#include "slideshow/ViewControls.h"
#include "storage/ConfigFiles.h"

#include <QListWidget>
#include <QTabWidget>

namespace {

class PanelEndToEndTest : public PanelFixture {};

constexpr int kBoundMs = 60000;
using testsupport::waitUntil;

} // namespace

TEST_F(PanelEndToEndTest, TheSelectionMadeInThePanelIsSavedFetchedAndShown) {
    // Only a position beyond the catalogue: nothing to fetch.
    writeWorkFile(ConfigFiles::kPictureListFile, "99\r\n9999\r\n\r\n\r\n");
    form().parts().timers.generalClock.start();
    ASSERT_TRUE(waitUntil([this] { return panel().SSTCfg->isVisible(); }, kBoundMs));
    EXPECT_EQ(panel().SSTCfg->currentWidget(), panel().pageTools);
    ASSERT_TRUE(waitUntil([this] { return panel().FormWait->isHidden(); }, kBoundMs));

    click(panel().IcoSwapSST2);
    ASSERT_EQ(panel().SSTCfg->currentWidget(), panel().pagePictureSelection);
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    ASSERT_EQ(list->count(), demo.entries.size());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    const QStringList picked{"/demo/satellite.jpg", "/demo/temperature.png", "/demo/pressure.gif"};
    for (const QString& name : picked) {
        clickListItem(positionOf(name));
        EXPECT_TRUE(list->item(positionOf(name))->isSelected()) << name.toStdString();
    }
    ASSERT_EQ(list->selectedItems().size(), 3);

    click(panel().TextTool3);
    click(panel().IcoSwapSST3);
    ASSERT_EQ(panel().SSTCfg->currentWidget(), panel().pageRunExit);
    // The panel-control timer makes Start usable on its next tick.
    ASSERT_TRUE(waitUntil([this] { return panel().SSTCfg_cmdConferma->isEnabled(); }, kBoundMs));
    click(panel().SSTCfg_cmdConferma);

    QByteArray expected;
    for (const QString& name : picked)
        expected += pairFor(name);
    EXPECT_TRUE(readWorkFile(ConfigFiles::kPictureListFile).startsWith(expected))
        << readWorkFile(ConfigFiles::kPictureListFile).toStdString();
    ASSERT_EQ(state().pictureCount, 3);
    EXPECT_EQ(state().flagCmdButton, 0);
    EXPECT_TRUE(panel().SSTCfg->isHidden());

    // The slideshow shows the three, each in turn.
    form().parts().timers.imgClock.stop();
    QStringList shown;
    for (int step = 0; step < 3; ++step) {
        form().parts().slideshow->imgClock_Timer();
        const PictureView* view = form().parts().views.fotoBrowser;
        EXPECT_TRUE(view->isVisible());
        const QString address = view->picture().address;
        EXPECT_FALSE(view->picture().isNull()) << address.toStdString();
        shown << QUrl(address).path();
    }
    EXPECT_EQ(shown, picked);
}
