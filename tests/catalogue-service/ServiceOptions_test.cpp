// The command line of nimbrisco-catalogue and where it finds its default catalogue.
#include "ServiceOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace catalogueservice;

namespace {

bool Parse(QStringList args, ServiceOptions& options, QString* message = nullptr) {
    args.prepend(QStringLiteral("nimbrisco-catalogue"));
    QString text;
    bool help = false;
    const bool ok = ParseServiceOptions(args, options, text, help);
    if (message)
        *message = text;
    return ok;
}

} // namespace

TEST(ServiceOptions, DefaultsServeTheDemoOnLoopbackPort8377) {
    ServiceOptions options;
    ASSERT_TRUE(Parse({}, options));
    EXPECT_EQ(options.port, 8377);
    EXPECT_EQ(options.bind, QHostAddress(QHostAddress::LocalHost));
    EXPECT_TRUE(options.cataloguePath.isEmpty());
    EXPECT_TRUE(options.logPath.isEmpty());
}

TEST(ServiceOptions, ReadsEveryOption) {
    ServiceOptions options;
    ASSERT_TRUE(Parse({"--port", "9000", "--bind", "0.0.0.0", "--catalogue", "c.json", "--log",
                       "r.log", "--quiet"},
                      options));
    EXPECT_EQ(options.port, 9000);
    EXPECT_EQ(options.bind, QHostAddress(QStringLiteral("0.0.0.0")));
    EXPECT_EQ(options.cataloguePath, "c.json");
    EXPECT_EQ(options.logPath, "r.log");
    EXPECT_TRUE(options.quiet);
}

TEST(ServiceOptions, RefusesBadValuesWithAMessage) {
    ServiceOptions options;
    QString message;
    EXPECT_FALSE(Parse({"--port", "70000"}, options, &message));
    EXPECT_TRUE(message.contains(QStringLiteral("--port")));
    EXPECT_FALSE(Parse({"--port", "x"}, options));
    EXPECT_FALSE(Parse({"--bind", "somewhere"}, options));
    EXPECT_FALSE(Parse({"--colour"}, options));
    EXPECT_FALSE(Parse({"stray"}, options));
    EXPECT_EQ(options.port, 8377);
}

TEST(ServiceOptions, DemoCatalogueBesideTheProgramWinsOverTheBuiltInOne) {
    QTemporaryDir dir;
    EXPECT_EQ(DefaultCataloguePath(dir.path()), ":/catalogues/demo.json");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("catalogues")));
    QFile file(dir.filePath(QStringLiteral("catalogues/demo.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(DefaultCataloguePath(dir.path()),
              dir.filePath(QStringLiteral("catalogues/demo.json")));
}
