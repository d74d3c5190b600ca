// The command line of nimbrisco-catalogue and where it finds its default catalogue.
#include "ServiceOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

bool Parse(QStringList args, ServiceOptions& options, QString& message) {
    args.prepend(QStringLiteral("nimbrisco-catalogue"));
    bool help = false;
    return ParseServiceOptions(args, options, message, help);
}

} // namespace

TEST(ServiceOptions, ReadsEveryOptionAndRefusesBadValuesWithAMessage) {
    ServiceOptions options;
    QString message;
    ASSERT_TRUE(Parse({}, options, message));
    EXPECT_EQ(options.port, 8377);
    EXPECT_EQ(options.bind, QHostAddress(QHostAddress::LocalHost));
    EXPECT_TRUE(options.cataloguePath.isEmpty());
    EXPECT_FALSE(Parse({"--port", "70000"}, options, message));
    EXPECT_TRUE(message.contains(QStringLiteral("--port")));
    for (const QStringList& bad : {QStringList{"--port", "x"}, QStringList{"--bind", "somewhere"},
                                   QStringList{"--colour"}, QStringList{"stray"}}) {
        message.clear();
        EXPECT_FALSE(Parse(bad, options, message)) << bad.join(' ').toStdString();
        EXPECT_FALSE(message.isEmpty());
    }
    EXPECT_EQ(options.port, 8377);

    ASSERT_TRUE(Parse({"--port", "9000", "--bind", "0.0.0.0", "--catalogue", "c.json", "--log",
                       "r.log", "--quiet"},
                      options, message));
    EXPECT_EQ(options.port, 9000);
    EXPECT_EQ(options.bind, QHostAddress(QStringLiteral("0.0.0.0")));
    EXPECT_EQ(options.cataloguePath, "c.json");
    EXPECT_EQ(options.logPath, "r.log");
    EXPECT_TRUE(options.quiet);
}

TEST(ServiceOptions, DemoCatalogueBesideTheProgramWinsOverTheBuiltInOne) {
    QTemporaryDir dir;
    EXPECT_EQ(DefaultCataloguePath(dir.path()), ":/catalogues/demo.json");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("catalogues")));
    QFile file(dir.filePath(QStringLiteral("catalogues/demo.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(DefaultCataloguePath(dir.path()), file.fileName());
}
