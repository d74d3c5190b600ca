// What `cmake --install` lays out: the portable root that runs where it is copied, and the system
// installation whose `nimbrisco` command gives each user a root of their own in their home.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Bounds of the waits: an installation copies a few files, a start takes a few seconds.
constexpr int kInstallMs = 120000;
constexpr int kStartMs = 60000;

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `cmake --install` of this build into prefix, for one component or the default set.
bool install(const QString& prefix, const QString& component = {}) {
    QStringList arguments{"--install", NIMBRISCO_BINARY_DIR, "--prefix", prefix};
    if (!component.isEmpty())
        arguments << "--component" << component;
    QProcess cmake;
    cmake.start(NIMBRISCO_CMAKE_COMMAND, arguments);
    if (!cmake.waitForFinished(kInstallMs))
        return false;
    EXPECT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();
    return cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
}

struct Finished {
    int exitCode = -1;
    QByteArray out, err;
};

Finished run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
             int ms = kStartMs) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(ms)) {
        process.kill();
        process.waitForFinished(5000);
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

TEST(PortableInstallation, HoldsTheProgramItsFilesAndTheServiceWithoutALink) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    ASSERT_TRUE(install(prefix.path()));
    const QString app = prefix.filePath("App/Nimbrisco/");
    for (const char* name :
         {"nimbrisco", "nimbrisco-catalogue", "pic_not_available.gif", "Nimbrisco.html",
          "nimbrisco.png", "catalogues/demo.json", "catalogues/public-weather.json"})
        EXPECT_TRUE(QFileInfo(app + name).isFile()) << name;
    EXPECT_TRUE(QFileInfo(app + "nimbrisco").isExecutable());
    EXPECT_FALSE(QFileInfo::exists(prefix.filePath("Data"))) << "data belong to the first start";
    EXPECT_FALSE(QFileInfo::exists(prefix.filePath("bin"))) << "the system files stay out";
    // A FAT-formatted USB stick holds no symbolic links.
    QDirIterator all(prefix.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                     QDirIterator::Subdirectories);
    while (all.hasNext())
        EXPECT_FALSE(QFileInfo(all.next()).isSymLink()) << all.filePath().toStdString();

    // The service finds the catalogues beside it.
    QProcess service;
    service.setReadChannel(QProcess::StandardError);
    service.start(app + "nimbrisco-catalogue", {"--port", "0", "--quiet"});
    ASSERT_TRUE(service.waitForStarted(kStartMs));
    QByteArray err;
    while (!err.contains("catalogue at") && service.waitForReadyRead(kStartMs))
        err += service.readAllStandardError();
    service.terminate();
    service.waitForFinished(10000);
    EXPECT_TRUE(err.contains(QFile::encodeName(app + "catalogues/demo.json"))) << err.data();
}

class SystemInstallation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(install(dir_.filePath("usr"), "program"));
        ASSERT_TRUE(QDir().mkpath(home()));
        env_.insert("PATH", qEnvironmentVariable("PATH"));
        env_.insert("HOME", home());
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QString home() const { return dir_.filePath("home/wall"); }
    QString launcher() const { return dir_.filePath("usr/bin/nimbrisco"); }
    QString installed(const char* name) const {
        return dir_.filePath("usr/lib/nimbrisco/App/Nimbrisco/") + name;
    }

    QTemporaryDir dir_;
    QProcessEnvironment env_;
};

TEST_F(SystemInstallation, EachUserGetsARootWithAPrivateCopyOfTheProgram) {
    const Finished prepared = run(launcher(), {"--prepare"}, env_);
    ASSERT_EQ(prepared.exitCode, 0) << prepared.err.data();
    const QString root = home() + "/.local/share/nimbrisco";
    EXPECT_EQ(prepared.out.trimmed(), QFile::encodeName(root));
    // A link would lead the program back to the shared, read-only installation.
    const QFileInfo program(root + "/App/Nimbrisco/nimbrisco");
    EXPECT_TRUE(program.isFile() && !program.isSymLink());
    EXPECT_TRUE(program.isExecutable());
    EXPECT_EQ(readFile(program.filePath()), readFile(installed("nimbrisco")));
    for (const char* name : {"pic_not_available.gif", "Nimbrisco.html"}) {
        const QFileInfo file(root + "/App/Nimbrisco/" + name);
        EXPECT_TRUE(file.isSymLink()) << name;
        EXPECT_EQ(file.canonicalFilePath(), QFileInfo(installed(name)).canonicalFilePath());
    }

    // An upgrade installs another program: the next start renews the copy.
    {
        QFile upgraded(installed("nimbrisco"));
        ASSERT_TRUE(upgraded.open(QIODevice::Append));
        upgraded.write("\n");
    }
    ASSERT_EQ(run(launcher(), {"--prepare"}, env_).exitCode, 0);
    EXPECT_EQ(readFile(program.filePath()), readFile(installed("nimbrisco")));
    EXPECT_TRUE(QDir(root + "/App/Nimbrisco")
                    .entryList(QDir::Hidden | QDir::Files)
                    .filter(".nimbrisco.")
                    .isEmpty())
        << "no copy left half-way";

    // XDG_DATA_HOME moves the root; without a home there is no root at all.
    QProcessEnvironment elsewhere = env_;
    elsewhere.insert("XDG_DATA_HOME", dir_.filePath("data"));
    EXPECT_EQ(run(launcher(), {"--prepare"}, elsewhere).out.trimmed(),
              QFile::encodeName(dir_.filePath("data/nimbrisco")));
    QProcessEnvironment homeless = env_;
    homeless.remove("HOME");
    const Finished refused = run(launcher(), {"--prepare"}, homeless);
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("HOME")) << refused.err.data();
}

TEST_F(SystemInstallation, TheProgramStartedByTheCommandKeepsItsDataInTheUsersHome) {
    QProcess program;
    program.setProcessEnvironment(env_);
    program.start(launcher(), {});
    ASSERT_TRUE(program.waitForStarted(kStartMs));
    // The start makes the work directory below the root it found from its own file.
    const QString work = home() + "/.local/share/nimbrisco/Data/Nimbrisco7_Work";
    bool made = false;
    for (int waited = 0; !made && waited < kStartMs && program.state() == QProcess::Running;
         waited += 100) {
        program.waitForFinished(100);
        made = QFileInfo(work + "/Nimbrisco7_Config.dat").isFile();
    }
    program.terminate();
    if (!program.waitForFinished(15000)) {
        program.kill();
        program.waitForFinished(5000);
    }
    EXPECT_TRUE(made) << program.readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath("usr/lib/nimbrisco/Data")));
}

} // namespace
