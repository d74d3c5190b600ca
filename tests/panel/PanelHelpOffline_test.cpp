// With "-LOCALHOST" and no network beyond loopback, every help icon and its caption, in every
// language, opens a page that the local service serves and that names the controls of the page
// the icon stands on; the end opens the local information page.
#include "PanelFixture.h"
#include "catalogue-service/ServiceFixture.h"
#include "core/PanelControl.h"
#include "i18n/Language.h"
#include "panel/PanelControls.h"

#include <QTabWidget>

namespace {

class PanelHelpOfflineTest : public PanelFixture {
protected:
    PanelHelpOfflineTest() { localhostSwitch = true; }

    QString site() const { return QStringLiteral("http://localhost:%1/").arg(servicePort); }
    // The captions the user reads on `page`, as the language has set them.
    QStringList captionsOn(QWidget* page) {
        QStringList captions;
        for (const auto& [icon, caption] : iconCaptions(panel())) {
            const QString text = caption->text().simplified();
            if (page->isAncestorOf(caption) && !text.isEmpty() && !captions.contains(text))
                captions << text;
        }
        return captions;
    }
};

TEST_F(PanelHelpOfflineTest, EveryHelpIconOpensALocalPageAboutItsPageInEveryLanguage) {
    PanelControls& p = panel();
    ASSERT_TRUE(openPanel());
    const std::pair<std::vector<ClickLabel*>, QWidget*> icons[] = {
        {{p.helpTime, p.helpTime2}, p.pageDisplayTimers},
        {{p.helpImg, p.helpImg2}, p.pagePictureSelection},
        {{p.helpEsegui, p.helpEsegui2, p.zepStatusBar, p.zepStatusBar2}, p.pageRunExit},
    };
    int opened = 0;
    for (Integer lingua = 1; lingua <= 4; ++lingua) {
        state().Lingua = lingua;
        form().parts().language->ApplyLanguage();
        for (const auto& [controls, page] : icons) {
            clickTab(page);
            ASSERT_EQ(p.SSTCfg->currentWidget(), page);
            const QStringList captions = captionsOn(page);
            for (ClickLabel* control : controls) {
                click(control);
                ASSERT_EQ(shell().opened.size(), static_cast<size_t>(++opened))
                    << control->objectName().toStdString();
                const QString address = shell().opened.back();
                ASSERT_TRUE(address.startsWith(site())) << address.toStdString();
                const HttpReply reply = HttpGet(address);
                EXPECT_EQ(reply.status, 200) << address.toStdString();
                EXPECT_TRUE(reply.contentType.startsWith("text/html")) << address.toStdString();
                const QString html = QString::fromUtf8(reply.body);
                EXPECT_TRUE(html.contains("<title>")) << address.toStdString();
                for (const QString& caption : captions)
                    EXPECT_TRUE(html.contains(caption.toHtmlEscaped()))
                        << address.toStdString() << " does not name \"" << caption.toStdString()
                        << "\"";
            }
        }
    }
    // Nothing went past this computer.
    for (const QString& asked : fakeHandles(form().platform()).downloader->asked)
        EXPECT_TRUE(asked.startsWith(site()) || asked.startsWith("http://127.0.0.1:"))
            << asked.toStdString();
}

TEST_F(PanelHelpOfflineTest, TheEndOpensTheLocalInformationPage) {
    state().flagCmdButton = 2;
    form().parts().panelControl->panControl_Timer();
    ASSERT_EQ(shell().opened, std::vector<QString>{site() + "info.html"});
    const HttpReply reply = HttpGet(shell().opened.back());
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(QString::fromUtf8(reply.body).contains("<title>About Nimbrisco</title>"));
}

} // namespace
