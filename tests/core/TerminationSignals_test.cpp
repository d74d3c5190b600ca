// SIGTERM and SIGINT: the orderly end without a word, its wait for a running step or fetch
// pass, the files it leaves, and the handlers put back afterwards.
#include "FormFixture.h"
#include "WindowCloseSpy.h"

#include "core/TerminationSignals.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QSignalSpy>

#include <csignal>

namespace {

constexpr int kWaitMs = 5000;
const QString kConfig = ConfigFiles::kConfigFile;

class TerminationSignalsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        loadForm();
        ASSERT_EQ(state().ExitToProgram, 0);
        // Nothing of the program's own runs in between: each test sets the state it needs.
        for (QTimer* t : {&form().generalClock, &form().utilityTmr, &form().panControl,
                          &form().imgClock, &form().Timer4000})
            t->stop();
        messages().clear();
        closes = std::make_unique<WindowCloseSpy>(&form());
        termination = std::make_unique<TerminationSignals>(form());
        ASSERT_TRUE(termination->install()) << termination->errorString().toStdString();
    }

    void TearDown() override {
        termination.reset();
        FormFixture::TearDown();
    }

    std::unique_ptr<WindowCloseSpy> closes;
    std::unique_ptr<TerminationSignals> termination;
};

int otherHandlerCalls = 0;
void otherHandler(int) {
    ++otherHandlerCalls;
}

} // namespace

// The end while idle, by SIGTERM, is run on the real program by the end-to-end test.
TEST_F(TerminationSignalsTest, SigintWaitsForTheRunningStepAndThenForTheFetchPass) {
    const QByteArray config = readWorkFile(kConfig);
    ASSERT_FALSE(config.isEmpty());
    QFile::remove(workPath(kConfig));
    state().clockStatus = 1;
    state().flagDownloadRunning = 1;
    QSignalSpy requested(termination.get(), &TerminationSignals::endRequested);
    QSignalSpy postponed(termination.get(), &TerminationSignals::endPostponed);
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);

    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_TRUE(requested.wait(kWaitMs));
    ASSERT_TRUE(postponed.count() > 0 || postponed.wait(kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);
    EXPECT_FALSE(workFileExists(kConfig));

    // The step is over but its fetch pass still runs.
    state().clockStatus = 0;
    postponed.clear();
    ASSERT_TRUE(postponed.wait(kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);

    // A second signal during the wait does not start a second end.
    ASSERT_EQ(std::raise(SIGTERM), 0);
    state().flagDownloadRunning = 0;
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(readWorkFile(kConfig), config);
    EXPECT_EQ(closes->closeRequests, 1);
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_TRUE(shell().opened.empty());
}

TEST_F(TerminationSignalsTest, AfterACleanUpTheFilesStayDeleted) {
    QFile::remove(workPath(kConfig));
    QFile::remove(workPath(ConfigFiles::kPictureListFile));
    state().FlagRestart = kTrue;
    QSignalSpy ended(termination.get(), &TerminationSignals::ended);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_FALSE(workFileExists(kConfig));
    EXPECT_FALSE(workFileExists(ConfigFiles::kPictureListFile));
}

TEST_F(TerminationSignalsTest, TheHandlersFoundAtInstallComeBack) {
    termination.reset();
    struct sigaction other = {}, saved;
    other.sa_handler = otherHandler;
    ASSERT_EQ(::sigaction(SIGINT, &other, &saved), 0);
    otherHandlerCalls = 0;
    {
        TerminationSignals scoped(form());
        ASSERT_TRUE(scoped.install());
    }
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_EQ(otherHandlerCalls, 1);
    EXPECT_EQ(state().ExitToProgram, 0);
    ::sigaction(SIGINT, &saved, nullptr);
}
