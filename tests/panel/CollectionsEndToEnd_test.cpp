// A collection from backup to slideshow on the real window and the real catalogue service: the
// user backs up the selection, clears the list, restores the backup and starts the slide show.
#include "PanelFixture.h"

#include "base/Timers.h"
#include "core/PanelControl.h"
#include "slideshow/PictureView.h"
#include "slideshow/Slideshow.h"
#include "slideshow/ViewControls.h"
#include "storage/ConfigFiles.h"

#include <QDir>
#include <QListWidget>
#include <QTabWidget>

namespace {

class CollectionsEndToEndTest : public PanelFixture {};

constexpr int kBoundMs = 60000;
using testsupport::waitUntil;

} // namespace

TEST_F(CollectionsEndToEndTest, ARestoredBackupBringsBackTheSamePictures) {
    const QStringList picked{"/demo/satellite.jpg", "/demo/temperature.png", "/demo/pressure.gif"};
    QByteArray selection;
    for (const QString& name : picked)
        selection += pairFor(name);
    selection += "\r\n\r\n";
    writeWorkFile(ConfigFiles::kPictureListFile, selection);
    ASSERT_TRUE(openPanel());
    form().parts().panelControl->panControl_Timer();

    click(panel().IcoSwapSST2);
    ASSERT_EQ(panel().SSTCfg->currentWidget(), panel().pagePictureSelection);
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    ASSERT_EQ(list->selectedItems().size(), 3);
    messages().clear();
    click(panel().SSTCfg_BackUpcnf);
    ASSERT_EQ(messages().shown.size(), 1u);
    const QDir collections(state().Nimbrisco_Collections_Dir);
    const QStringList written =
        collections.entryList({QStringLiteral("Nimbrisco_Collection_*.xml")}, QDir::Files);
    ASSERT_EQ(written.size(), 1);
    const QString backup = collections.filePath(written[0]);
    EXPECT_TRUE(messages().last().text.endsWith(QString(written[0]).replace(".xml", ".XML")));

    click(panel().Label11);
    ASSERT_TRUE(list->selectedItems().isEmpty());
    fileDialogs().answer = backup;
    click(panel().SSTCfg_Loadcnf);
    EXPECT_EQ(list->selectedItems().size(), 3);
    EXPECT_EQ(readWorkFile(ConfigFiles::kPictureListFile), selection);
    ASSERT_EQ(panel().SSTCfg->currentWidget(), panel().pageRunExit);

    // The panel-control timer makes Start usable on its next tick.
    ASSERT_TRUE(waitUntil([this] { return panel().SSTCfg_cmdConferma->isEnabled(); }, kBoundMs));
    click(panel().SSTCfg_cmdConferma);
    ASSERT_EQ(state().pictureCount, 3);
    EXPECT_TRUE(panel().SSTCfg->isHidden());

    form().parts().timers.imgClock.stop();
    QStringList shown;
    for (int step = 0; step < 3; ++step) {
        form().parts().slideshow->imgClock_Timer();
        const PictureView* view = form().parts().views.fotoBrowser;
        EXPECT_TRUE(view->isVisible());
        EXPECT_FALSE(view->picture().isNull()) << view->picture().address.toStdString();
        shown << QUrl(view->picture().address).path();
    }
    EXPECT_EQ(shown, picked);
}
