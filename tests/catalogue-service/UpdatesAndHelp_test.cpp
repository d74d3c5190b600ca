// What the service publishes besides the catalogue: the version page in each of its three
// forms, the collections package as the program reads it, and the help site of the panel's
// help icons and the information page.
#include "ServiceFixture.h"
#include "ServiceOptions.h"
#include "VersionPage.h"
#include "i18n/TextTables.h"
#include "updates/CollectionsPackage.h"

#include <QFile>
#include <QRegularExpression>
#include <set>

using namespace catalogueservice;

TEST(ServiceOptions, VersionPageOptionChoosesWhatThePageAnnounces) {
    ServiceOptions options;
    QString message;
    bool help = false;
    const auto parse = [&](QStringList args) {
        return ParseServiceOptions(QStringList{"nimbrisco-catalogue"} + args, options, message,
                                   help);
    };
    ASSERT_TRUE(parse({}));
    EXPECT_EQ(options.versionPage, VersionPageMode::Same);
    ASSERT_TRUE(parse({"--version-page", "newer-version"}));
    EXPECT_EQ(options.versionPage, VersionPageMode::NewerVersion);
    ASSERT_TRUE(parse({"--version-page", "newer-collections"}));
    EXPECT_EQ(options.versionPage, VersionPageMode::NewerCollections);
    EXPECT_FALSE(parse({"--version-page", "newer"}));
    EXPECT_TRUE(message.contains("--version-page")) << message.toStdString();
}

TEST_F(ServiceFixture, EachVersionPageFormAnnouncesItsCase) {
    const std::pair<VersionPageMode, QByteArray> cases[] = {
        {VersionPageMode::Same, "\"Nimbrisco_7.8.12P\",\"Collection_001\"\r\n"},
        {VersionPageMode::NewerVersion, "\"Nimbrisco_7.9.0P\",\"Collection_001\"\r\n"},
        {VersionPageMode::NewerCollections, "\"Nimbrisco_7.8.12P\",\"Collection_002\"\r\n"},
    };
    for (const auto& [mode, body] : cases) {
        server_->memory().versionPage = mode;
        const HttpReply reply = get("/currentversion.html");
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(reply.body, body);
    }
}

TEST_F(ServiceFixture, TheDemoPackageIsACollectionTheProgramUnpacks) {
    const HttpReply reply = get("/collections.tar.gz");
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(reply.contentType, "application/gzip");
    const QString path = dir_.filePath("collections.tar.gz");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reply.body);
    file.close();
    const updates::PackageResult package = updates::readPackage(path);
    ASSERT_TRUE(package.ok) << package.reason.toStdString();
    ASSERT_EQ(package.files.size(), 2);
    EXPECT_EQ(package.files[0].name, "Nimbrisco_Collection_Demo_002.xml");
    EXPECT_EQ(package.files[1].name, "Nimbrisco_Collection_Demo_002.dat");
    const Catalogue demo = DemoCatalogue();
    QByteArray list;
    for (int i = 0; i < 5; ++i) {
        // The code a restore looks for: the description's second word.
        const QString code = demo.entries[i].description.section(' ', 1, 1);
        EXPECT_TRUE(package.files[0].bytes.contains("<CodePic>" + code.toLatin1() + "</CodePic>"))
            << code.toStdString();
        list += QByteArray::number(i) + "\r\n" + QByteArray::number(demo.entries[i].id) + "\r\n";
    }
    EXPECT_TRUE(package.files[0].bytes.startsWith("<?xml version=\"1.0\"?>\r\n"));
    EXPECT_EQ(package.files[1].bytes, list);
}

TEST_F(ServiceFixture, EveryHelpPageOfThePanelAndTheInformationPageAreServed) {
    const char* languages[] = {"en", "it", "fr", "es"};
    std::map<QString, QString> pages{{"info.html", "en"}};
    for (const i18n::FourLanguageRow* row :
         {&i18n::kHelpPagesDisplayTimers, &i18n::kHelpPagesPictures, &i18n::kHelpPagesRunExit}) {
        for (int lingua = 1; lingua <= 4; ++lingua)
            pages[*i18n::fourLanguage(*row, lingua)] = languages[lingua - 1];
    }
    EXPECT_EQ(pages.size(), 11u);
    std::set<QString> titles;
    for (const auto& [page, language] : pages) {
        const HttpReply reply = get("/" + page);
        EXPECT_EQ(reply.status, 200) << page.toStdString();
        EXPECT_TRUE(reply.contentType.startsWith("text/html")) << page.toStdString();
        const QString html = QString::fromUtf8(reply.body);
        EXPECT_TRUE(html.contains(QString("<html lang=\"%1\">").arg(language)))
            << page.toStdString();
        const QString title =
            QRegularExpression("<title>([^<]+)</title>").match(html).captured(1).trimmed();
        EXPECT_TRUE(title.contains("Nimbrisco")) << page.toStdString();
        titles.insert(title);
        // More than a title: the page explains its controls.
        EXPECT_GE(html.count("<dt>") + html.count("<h2>"), 4) << page.toStdString();
    }
    EXPECT_EQ(titles.size(), pages.size());
    EXPECT_TRUE(QString::fromUtf8(get("/info.html").body).contains("7.8.12P"));
    EXPECT_EQ(get("/help/eng_help1.asp").status, 404);
    EXPECT_EQ(get("/eng_help9.asp").status, 404);
}
