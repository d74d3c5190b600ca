// The real program on the real catalogue service's demo catalogue: a first run until the first
// fetch pass is done and pictures are shown, then the orderly end by SIGTERM.
#include <QAbstractSocket>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QImage>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(NIMBRISCO_PROGRAM_DIR "/nimbrisco");
const QString kProgramDir = QStringLiteral(NIMBRISCO_PROGRAM_DIR);
const QString kService =
    QStringLiteral(NIMBRISCO_BINARY_DIR "/catalogue-service/nimbrisco-catalogue");
// "-LOCALHOST" replaces only the host: the port stays the default one.
constexpr quint16 kServicePort = 8377;

// Bounds of the waits, generous for a loaded two-core machine.
constexpr int kServiceStartMs = 30000;
// The first pass has about 16 s of prescribed waits plus the page render.
constexpr int kFirstPassMs = 120000;
// The next picture follows after the default 8 s slide time.
constexpr int kNextPictureMs = 45000;
constexpr int kEndMs = 30000;

const QByteArray kShownMark = "nimbrisco: picture shown:";
const QString kConfigFile = QStringLiteral("Nimbrisco7_Config.dat");
const QString kSelectionFile = QStringLiteral("Nimbrisco7_Picture_List.dat");

// Why the service cannot have its port, or empty when it is free.
QString portBusyReason(quint16 port) {
    for (const QHostAddress& address :
         {QHostAddress(QHostAddress::LocalHost), QHostAddress(QHostAddress::LocalHostIPv6)}) {
        QTcpServer probe;
        if (!probe.listen(address, port) &&
            probe.serverError() == QAbstractSocket::AddressInUseError)
            return QStringLiteral("port %1 on %2 is in use; \"-LOCALHOST\" reaches the catalogue "
                                  "service only there")
                .arg(port)
                .arg(address.toString());
    }
    return {};
}

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
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
    QByteArray err;
};

// Runs the event loop until `done`, a watched process ends, or `ms` have passed.
bool waitUntil(const std::function<bool()>& done, int ms, std::initializer_list<Child*> watched) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (Child* child : watched) {
        QObject::connect(&child->process, &QProcess::readyReadStandardError, &loop, [&] {
            if (done())
                loop.quit();
        });
        QObject::connect(&child->process, &QProcess::finished, &loop, &QEventLoop::quit);
    }
    deadline.start(ms);
    loop.exec();
    return done();
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(kProgram)) << kProgram.toStdString();
        ASSERT_TRUE(QFile::exists(kService)) << kService.toStdString();
        const QString busy = portBusyReason(kServicePort);
        if (!busy.isEmpty())
            GTEST_SKIP() << busy.toStdString();
        ASSERT_TRUE(tempDir_.isValid());
        root_ = tempDir_.path();
        preparePortableRoot();
        startService();
    }

    QString workPath(const QString& name) const {
        return root_ + QStringLiteral("/Data/Nimbrisco7_Work/") + name;
    }

    void preparePortableRoot() {
        const QString programDir = root_ + QStringLiteral("/App/Nimbrisco");
        ASSERT_TRUE(QDir().mkpath(programDir));
        // The program finds its portable root from its own path: a symbolic link would lead it
        // back into the build folder, a hard link or a copy does not.
        const QString program = programDir + QStringLiteral("/nimbrisco");
        if (::link(QFile::encodeName(kProgram).constData(),
                   QFile::encodeName(program).constData()) != 0) {
            ASSERT_TRUE(QFile::copy(kProgram, program));
        }
        for (const char* name : {"pic_not_available.gif", "Nimbrisco.html"})
            ASSERT_TRUE(QFile::copy(kProgramDir + QLatin1Char('/') + QLatin1String(name),
                                    programDir + QLatin1Char('/') + QLatin1String(name)))
                << name;

        // What a first run leaves once its questions are answered: English, a direct
        // connection, the default settings and selection. Without the settings the start
        // deletes the answers and asks again, and nobody would answer.
        ASSERT_TRUE(QDir().mkpath(workPath(QString())));
        writeFile(workPath(kConfigFile), "15\r\n8\r\nFull_Screen\r\n\r\n\r\n");
        writeFile(workPath(kSelectionFile), "0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n\r\n\r\n");
        writeFile(workPath(QStringLiteral("Nimbrisco7_Language.dat")), " 1");
        const QString proxy = workPath(QStringLiteral("Nimbrisco7_Proxy.dat"));
        writeFile(proxy, "\r\n\r\n\r\n\r\n0\r\n");
        ASSERT_TRUE(QFile::setPermissions(proxy, QFile::ReadOwner | QFile::WriteOwner));
    }

    void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    void startService() {
        service_.process.start(kService, {QStringLiteral("--port"), QString::number(kServicePort),
                                          QStringLiteral("--log"), serviceLogPath()});
        ASSERT_TRUE(service_.process.waitForStarted(kServiceStartMs));
        const bool ready = waitUntil([this] { return service_.err.contains("catalogue at"); },
                                     kServiceStartMs, {&service_});
        if (!ready && service_.err.contains("cannot listen"))
            GTEST_SKIP() << "the catalogue service could not listen on port " << kServicePort
                         << ": " << service_.err.toStdString();
        ASSERT_TRUE(ready) << service_.err.toStdString();
    }

    void startProgram() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("NIMBRISCO_TRACE"), QStringLiteral("1"));
        program_.process.setProcessEnvironment(env);
        program_.process.setWorkingDirectory(root_);
        program_.process.start(root_ + QStringLiteral("/App/Nimbrisco/nimbrisco"),
                               {QStringLiteral("-LOCALHOST")});
        ASSERT_TRUE(program_.process.waitForStarted(kServiceStartMs));
    }

    QString serviceLogPath() const { return root_ + QStringLiteral("/service.log"); }

    QList<QByteArray> shownLines() const {
        QList<QByteArray> lines;
        for (const QByteArray& line : program_.err.split('\n'))
            if (line.startsWith(kShownMark))
                lines << line.mid(kShownMark.size()).trimmed();
        return lines;
    }

    // The position of the first logged request whose target holds `part`, -1 when none.
    qsizetype firstRequest(const QList<QByteArray>& log, const QByteArray& part) const {
        for (qsizetype i = 0; i < log.size(); ++i)
            if (log[i].contains(part))
                return i;
        return -1;
    }

    std::string diagnostics() const {
        return "\n--- program stderr (end) ---\n" + program_.err.right(3000).toStdString() +
               "\n--- service log ---\n" + readFile(serviceLogPath()).right(3000).toStdString();
    }

    QTemporaryDir tempDir_;
    QString root_;
    Child service_;
    Child program_;
};

} // namespace

TEST_F(EndToEndTest, FirstRunShowsTheDemoPicturesAndEndsInOrderOnSigterm) {
    startProgram();

    // The first picture follows the first fetch pass.
    ASSERT_TRUE(waitUntil([this] { return !shownLines().isEmpty(); }, kFirstPassMs, {&program_}))
        << diagnostics();
    const QList<QByteArray> log = readFile(serviceLogPath()).split('\n');
    const qsizetype probe = firstRequest(log, "x00=x8888");
    const qsizetype userMessage = firstRequest(log, "x00=x5555");
    const qsizetype addresses = firstRequest(log, "x00=y2222");
    const qsizetype credits = firstRequest(log, "x00=x9999");
    EXPECT_GE(probe, 0) << diagnostics();
    EXPECT_LT(probe, userMessage) << diagnostics();
    EXPECT_LT(userMessage, addresses) << diagnostics();
    for (const char* source :
         {"/demo/satellite.jpg", "/demo/radar.gif", "/demo/series/frame_001.jpg",
          "/demo/series/frame_003.jpg", "/demo/forecast.html"}) {
        const qsizetype download = firstRequest(log, source);
        EXPECT_LT(addresses, download) << source << diagnostics();
        EXPECT_LT(download, credits) << source << diagnostics();
    }

    EXPECT_TRUE(QFile::exists(workPath(QStringLiteral("Nimbrisco7_Img.jpg"))));
    const QByteArray radar = readFile(workPath(QStringLiteral("Nimbrisco7_Img.gif")));
    EXPECT_TRUE(radar.startsWith("GIF8"));
    EXPECT_EQ(readFile(workPath(QStringLiteral("Nimbrisco7_Img_ANIGIF_1.gif"))), radar);
    EXPECT_FALSE(QImage(workPath(QStringLiteral("Nimbrisco7_ImgHTTP_IMG.bmp"))).isNull());

    // The show goes on: the satellite picture, then the radar loop.
    ASSERT_TRUE(waitUntil([this] { return shownLines().size() >= 2; }, kNextPictureMs, {&program_}))
        << diagnostics();
    const QList<QByteArray> shown = shownLines();
    EXPECT_EQ(shown[0], QByteArray("slot 0 of 6, kind 1")) << diagnostics();
    EXPECT_EQ(shown[1], QByteArray("slot 1 of 6, kind 4")) << diagnostics();

    // The end rewrites the settings as they were, and keeps the selection.
    const QByteArray config = readFile(workPath(kConfigFile));
    const QByteArray selection = readFile(workPath(kSelectionFile));
    ASSERT_FALSE(config.isEmpty());
    ASSERT_FALSE(selection.isEmpty());
    ASSERT_TRUE(QFile::remove(workPath(kConfigFile)));
    program_.process.terminate();
    ASSERT_TRUE(waitUntil([this] { return program_.process.state() == QProcess::NotRunning; },
                          kEndMs, {&program_}))
        << diagnostics();
    EXPECT_EQ(program_.process.exitStatus(), QProcess::NormalExit) << diagnostics();
    EXPECT_EQ(program_.process.exitCode(), 0) << diagnostics();
    EXPECT_EQ(readFile(workPath(kConfigFile)), config);
    EXPECT_EQ(readFile(workPath(kSelectionFile)), selection);
}
