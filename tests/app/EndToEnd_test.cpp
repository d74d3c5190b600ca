// The real program on the real catalogue service's demo catalogue: a first run until the first
// fetch pass is done and pictures are shown, then the orderly end by SIGTERM; SIGTERM in the
// middle of the first pass and during the connection wait.
#include "WaitUntil.h"

#include <QAbstractSocket>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(NIMBRISCO_PROGRAM_DIR "/nimbrisco");
const QString kService =
    QStringLiteral(NIMBRISCO_BINARY_DIR "/catalogue-service/nimbrisco-catalogue");
// The port users reach with "-LOCALHOST"; the tests hold it (when they can) to show that
// they do not need it.
constexpr quint16 kDefaultServicePort = 8377;
// Bounds of the waits, generous for a loaded two-core machine. The first pass has about 16 s of
// prescribed waits plus the page render.
constexpr int kStartMs = 30000;
constexpr int kFirstPassMs = 120000;
// SIGTERM ends the program within a few seconds, whatever it is doing.
constexpr int kEndMs = 10000;
const QByteArray kShownMark = "nimbrisco: picture shown: ";

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A child process whose stderr is collected as it comes.
struct Child {
    Child() {
        QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                         [this] { err += process.readAllStandardError(); });
    }
    ~Child() {
        process.kill();
        process.waitForFinished(5000);
    }
    QProcess process;
    QByteArray err;
};

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(kProgram)) << kProgram.toStdString();
        ASSERT_TRUE(QFile::exists(kService)) << kService.toStdString();
        defaultPortHolder_.listen(QHostAddress::LocalHost, kDefaultServicePort);
        ASSERT_TRUE(tempDir_.isValid());
        preparePortableRoot();

        // A free port of the service's own choosing, reported on its start line.
        service_.process.start(kService,
                               {"--port", "0", "--log", tempDir_.filePath("service.log")});
        ASSERT_TRUE(service_.process.waitForStarted(kStartMs));
        ASSERT_TRUE(testsupport::waitUntil([this] { return service_.err.contains("catalogue at"); },
                                           kStartMs, 50))
            << service_.err.toStdString();
        const QRegularExpressionMatch port =
            QRegularExpression(QStringLiteral("catalogue at http://[^:]+:(\\d+)/"))
                .match(QString::fromLatin1(service_.err));
        ASSERT_TRUE(port.hasMatch()) << service_.err.toStdString();
        servicePort_ = port.captured(1);
    }

    // Starts the program on the service at `port` (the running service's by default).
    void startProgram(const QString& port = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        env.insert("NIMBRISCO_TRACE", "1");
        program_.process.setProcessEnvironment(env);
        program_.process.setWorkingDirectory(tempDir_.path());
        program_.process.start(tempDir_.filePath("App/Nimbrisco/nimbrisco"),
                               {"-LOCALHOST:" + (port.isEmpty() ? servicePort_ : port)});
        ASSERT_TRUE(program_.process.waitForStarted(kStartMs));
    }

    // SIGTERM: the program ends by itself, in order, within a few seconds.
    void terminateAndExpectAnOrderlyEnd() {
        program_.process.terminate();
        ASSERT_TRUE(testsupport::waitUntil(
            [this] { return program_.process.state() == QProcess::NotRunning; }, kEndMs, 50))
            << diagnostics();
        EXPECT_EQ(program_.process.exitStatus(), QProcess::NormalExit) << diagnostics();
        EXPECT_EQ(program_.process.exitCode(), 0) << diagnostics();
    }

    QByteArray serviceLog() const { return readFile(tempDir_.filePath("service.log")); }

    QString workPath(const char* name) const {
        return tempDir_.filePath(QStringLiteral("Data/Nimbrisco7_Work/") + QLatin1String(name));
    }

    void preparePortableRoot() {
        const QString programDir = tempDir_.filePath("App/Nimbrisco");
        ASSERT_TRUE(QDir().mkpath(programDir));
        // The program finds its portable root from its own path: a symbolic link would lead it
        // back into the build folder, a hard link or a copy does not.
        const QString program = programDir + "/nimbrisco";
        if (::link(QFile::encodeName(kProgram).constData(),
                   QFile::encodeName(program).constData()) != 0) {
            ASSERT_TRUE(QFile::copy(kProgram, program));
        }
        for (const char* name : {"/pic_not_available.gif", "/Nimbrisco.html"})
            ASSERT_TRUE(QFile::copy(NIMBRISCO_PROGRAM_DIR + QString(name), programDir + name));

        // What a first run leaves once its questions are answered (English, a direct
        // connection, the default settings and selection): nobody would answer them here.
        ASSERT_TRUE(QDir().mkpath(workPath("")));
        const std::pair<const char*, QByteArray> files[] = {
            {"Nimbrisco7_Config.dat", "15\r\n8\r\nFull_Screen\r\n\r\n\r\n"},
            {"Nimbrisco7_Picture_List.dat", "0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n\r\n\r\n"},
            {"Nimbrisco7_Language.dat", " 1"},
            {"Nimbrisco7_Proxy.dat", "\r\n\r\n\r\n\r\n0\r\n"}};
        for (const auto& [name, bytes] : files) {
            QFile f(workPath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << name;
        }
    }

    std::string diagnostics() const {
        return "\n--- program stderr (end) ---\n" + program_.err.right(3000).toStdString() +
               "\n--- service log ---\n" +
               readFile(tempDir_.filePath("service.log")).right(3000).toStdString();
    }

    QTcpServer defaultPortHolder_;
    QTemporaryDir tempDir_;
    Child service_;
    Child program_;
    QString servicePort_;
};

} // namespace

TEST_F(EndToEndTest, FirstRunShowsTheDemoPicturesAndEndsInOrderOnSigterm) {
    startProgram();
    // The first picture follows the first fetch pass.
    ASSERT_TRUE(testsupport::waitUntil([this] { return program_.err.contains(kShownMark); },
                                       kFirstPassMs, 50))
        << diagnostics();
    const QList<QByteArray> log = serviceLog().split('\n');
    // The position of the first logged request whose target holds `part`, -1 when none.
    const auto first = [&log](const char* part) -> qsizetype {
        for (qsizetype i = 0; i < log.size(); ++i)
            if (log[i].contains(part))
                return i;
        return -1;
    };
    const qsizetype probe = first("x00=x8888"), userMessage = first("x00=x5555");
    const qsizetype addresses = first("x00=y2222"), credits = first("x00=x9999");
    EXPECT_GE(probe, 0) << diagnostics();
    EXPECT_LT(probe, userMessage) << diagnostics();
    EXPECT_LT(userMessage, addresses) << diagnostics();
    for (const char* source : {"/demo/satellite.jpg", "/demo/radar.gif",
                               "/demo/series/frame_003.jpg", "/demo/forecast.html"}) {
        EXPECT_LT(addresses, first(source)) << source << diagnostics();
        EXPECT_LT(first(source), credits) << source << diagnostics();
    }
    EXPECT_TRUE(QFile::exists(workPath("Nimbrisco7_Img.jpg")));
    const QByteArray radar = readFile(workPath("Nimbrisco7_Img.gif"));
    EXPECT_TRUE(radar.startsWith("GIF8"));
    EXPECT_EQ(readFile(workPath("Nimbrisco7_Img_ANIGIF_1.gif")), radar);
    EXPECT_FALSE(QImage(workPath("Nimbrisco7_ImgHTTP_IMG.bmp")).isNull());
    EXPECT_TRUE(program_.err.mid(program_.err.indexOf(kShownMark))
                    .startsWith(kShownMark + "slot 0 of 6, kind 1"))
        << diagnostics();

    // The end rewrites the settings as they were, and keeps the selection.
    const QByteArray config = readFile(workPath("Nimbrisco7_Config.dat"));
    const QByteArray selection = readFile(workPath("Nimbrisco7_Picture_List.dat"));
    ASSERT_FALSE(config.isEmpty());
    ASSERT_TRUE(QFile::remove(workPath("Nimbrisco7_Config.dat")));
    terminateAndExpectAnOrderlyEnd();
    EXPECT_EQ(readFile(workPath("Nimbrisco7_Config.dat")), config);
    EXPECT_EQ(readFile(workPath("Nimbrisco7_Picture_List.dat")), selection);
}

TEST_F(EndToEndTest, SigtermInTheMiddleOfTheFirstPassEndsInOrder) {
    startProgram();
    // The pass has begun once the first picture source was asked for.
    ASSERT_TRUE(testsupport::waitUntil(
        [this] { return serviceLog().contains("/demo/satellite.jpg"); }, kFirstPassMs, 50))
        << diagnostics();
    ASSERT_TRUE(QFile::remove(workPath("Nimbrisco7_Config.dat")));
    terminateAndExpectAnOrderlyEnd();
    EXPECT_FALSE(program_.err.contains(kShownMark)) << diagnostics();
    EXPECT_EQ(readFile(workPath("Nimbrisco7_Config.dat")), "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
    EXPECT_FALSE(serviceLog().contains("/demo/forecast.html")) << diagnostics();
}

TEST_F(EndToEndTest, SigtermDuringTheConnectionWaitEndsInOrder) {
    // Nothing listens on this port: the program waits for its service.
    QTcpServer reserve;
    ASSERT_TRUE(reserve.listen(QHostAddress::LocalHost, 0));
    const QString deadPort = QString::number(reserve.serverPort());
    reserve.close();
    startProgram(deadPort);
    // Its probe has gone out and found nobody: the wait is on.
    ASSERT_TRUE(testsupport::waitUntil(
        [this] { return program_.err.contains("nimbrisco: probe lost"); }, kStartMs, 50))
        << diagnostics();
    ASSERT_EQ(program_.process.state(), QProcess::Running) << diagnostics();
    ASSERT_TRUE(QFile::remove(workPath("Nimbrisco7_Config.dat")));
    terminateAndExpectAnOrderlyEnd();
    EXPECT_TRUE(QFile::exists(workPath("Nimbrisco7_Config.dat")));
}
