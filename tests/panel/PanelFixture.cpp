#include "PanelFixture.h"

#include "bar/ControlBar.h"
#include "core/PanelControl.h"
#include "storage/ConfigFiles.h"

#include <QFrame>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

void PanelFixture::SetUp() {
    FormFixture::SetUp();
    QString error;
    ASSERT_TRUE(catalogueservice::LoadCatalogueFile(":/catalogues/demo.json", demo, error))
        << error.toStdString();
    log.setEchoToStderr(false);
    service = std::make_unique<catalogueservice::CatalogueServer>(demo, log);
    servicePort = service->start(QHostAddress::LocalHost, 0);
    ASSERT_NE(servicePort, 0);
    endpoint = QStringLiteral("http://127.0.0.1:%1/nimbrisco/catalogue?").arg(servicePort);
    if (localhostSwitch)
        rebuildForm(QStringLiteral("-LOCALHOST:%1").arg(servicePort));

    // What a first run leaves once its questions are answered: English, a direct connection.
    writeWorkFile(ConfigFiles::kConfigFile, "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
    writeWorkFile(ConfigFiles::kPictureListFile, "0\r\n1\r\n1\r\n2\r\n\r\n\r\n");
    writeWorkFile("Nimbrisco7_Language.dat", " 1");
    writeWorkFile("Nimbrisco7_Proxy.dat", "\r\n\r\n\r\n\r\n0\r\n");
    loadForm();
    ASSERT_EQ(state().ExitToProgram, 0);
    // The panel is opened by hand here, not by the clock loop's start.
    form().parts().timers.generalClock.stop();
    state().endpointBase = endpoint;
    state().Lingua = 1;
    // Every fake sleep lets loopback I/O run for a real millisecond.
    clock().realWaitMs = 1;
    form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
}

void PanelFixture::TearDown() {
    form().hide();
    FormFixture::TearDown();
    service.reset();
}

bool PanelFixture::openPanel() {
    form().parts().controlBar->btSetup_Click();
    if (state().flagCmdButton != 1)
        return false;
    form().parts().panelControl->panControl_Timer();
    return state().flagCmdButton == 3 && panel().SSTCfg->isVisible() &&
           panel().FormWait->isHidden() && panel().Tabella_Mappe_Selezionate->count() > 0;
}

void PanelFixture::click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void PanelFixture::moveMouseOver(QWidget* w) {
    QTest::mouseMove(w, w->rect().center());
}

void PanelFixture::clickTab(QWidget* page) {
    QTabWidget* tabs = panel().SSTCfg;
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      bar->tabRect(tabs->indexOf(page)).center());
}

void PanelFixture::clickListItem(int row) {
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
    // The list's click is handled once the list has made the item current.
    QCoreApplication::processEvents();
}

QList<int> PanelFixture::selectedRows() {
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            rows.append(i);
    }
    return rows;
}

int PanelFixture::positionOf(const QString& name) const {
    for (int i = 0; i < demo.entries.size(); ++i) {
        if (demo.entries[i].address.endsWith(name))
            return i;
    }
    ADD_FAILURE() << "no demo entry " << name.toStdString();
    return -1;
}

QByteArray PanelFixture::pairFor(const QString& name) const {
    const int i = positionOf(name);
    return i < 0 ? QByteArray()
                 : QByteArray::number(i) + "\r\n" + QByteArray::number(demo.entries[i].id) + "\r\n";
}
