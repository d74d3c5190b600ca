// The command line of nimbrisco-catalogue and where it finds its default catalogue.
#include "ServiceOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace catalogueservice;

TEST(ServiceOptions, ReadsEveryOptionAndRefusesBadValuesWithAMessage) {
    ServiceOptions options;
    QString message;
    bool help = false;
    const auto parse = [&](QStringList args) {
        message.clear();
        return ParseServiceOptions(QStringList{"nimbrisco-catalogue"} + args, options, message,
                                   help);
    };
    ASSERT_TRUE(parse({}));
    EXPECT_EQ(options.port, 8377);
    EXPECT_EQ(options.bind, QHostAddress(QHostAddress::LocalHost));
    for (const QStringList& bad :
         {QStringList{"--port", "70000"}, QStringList{"--port", "x"},
          QStringList{"--bind", "somewhere"}, QStringList{"--colour"}, QStringList{"stray"}}) {
        EXPECT_FALSE(parse(bad)) << bad.join(' ').toStdString();
        EXPECT_TRUE(message.contains(QString(bad[0]).remove('-'))) << message.toStdString();
    }
    EXPECT_EQ(options.port, 8377);
    ASSERT_TRUE(parse({"--port", "9000", "--bind", "0.0.0.0", "--catalogue", "c.json", "--log",
                       "r.log", "--quiet", "--pictures", "/srv/site"}));
    EXPECT_EQ(options.port, 9000);
    EXPECT_EQ(options.bind, QHostAddress("0.0.0.0"));
    EXPECT_EQ(options.cataloguePath, "c.json");
    EXPECT_EQ(options.picturesFolder, "/srv/site");
    EXPECT_TRUE(options.quiet);
}

TEST(ServiceOptions, DemoCatalogueBesideTheProgramWinsOverTheBuiltInOne) {
    QTemporaryDir dir;
    EXPECT_EQ(DefaultCataloguePath(dir.path()), ":/catalogues/demo.json");
    ASSERT_TRUE(QDir(dir.path()).mkdir("catalogues"));
    QFile file(dir.filePath("catalogues/demo.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(DefaultCataloguePath(dir.path()), file.fileName());
}
