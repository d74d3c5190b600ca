// SIGTERM and SIGINT: the orderly end without a word, its wait for a running step or fetch
// pass, the files it leaves, and the handlers put back afterwards.
#include "FormFixture.h"
#include "WindowCloseSpy.h"

#include "core/TerminationSignals.h"
#include "storage/ConfigFiles.h"

#include <QFile>
#include <QSignalSpy>

#include <csignal>
#include <cstring>

namespace {

constexpr int kWaitMs = 5000;

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
        termination_ = std::make_unique<TerminationSignals>(form());
        ASSERT_TRUE(termination_->install()) << termination_->errorString().toStdString();
    }

    void TearDown() override {
        termination_.reset();
        closes.reset();
        FormFixture::TearDown();
    }

    // Raises `signalNumber` and waits until the program has ended.
    void raiseAndWaitForTheEnd(int signalNumber) {
        QSignalSpy ended(termination_.get(), &TerminationSignals::ended);
        ASSERT_EQ(std::raise(signalNumber), 0);
        ASSERT_TRUE(ended.wait(kWaitMs));
    }

    void expectEndedWithoutAWord() {
        EXPECT_EQ(closes->closeRequests, 1);
        EXPECT_EQ(state().ExitToProgram, kTrue);
        EXPECT_FALSE(form().imgClock.isActive());
        EXPECT_TRUE(messages().shown.empty());
        EXPECT_TRUE(shell().opened.empty());
    }

    std::unique_ptr<WindowCloseSpy> closes;
    std::unique_ptr<TerminationSignals> termination_;
};

int otherHandlerCalls = 0;
void otherHandler(int) {
    ++otherHandlerCalls;
}

} // namespace

TEST_F(TerminationSignalsTest, SigtermWhileIdleSavesTheConfigurationAndCloses) {
    const QByteArray config = readWorkFile(ConfigFiles::kConfigFile);
    ASSERT_FALSE(config.isEmpty());
    QFile::remove(workPath(ConfigFiles::kConfigFile));

    raiseAndWaitForTheEnd(SIGTERM);

    EXPECT_EQ(readWorkFile(ConfigFiles::kConfigFile), config);
    expectEndedWithoutAWord();
}

TEST_F(TerminationSignalsTest, SigintEndsTheSameWay) {
    raiseAndWaitForTheEnd(SIGINT);
    expectEndedWithoutAWord();
}

TEST_F(TerminationSignalsTest, TheEndWaitsForTheRunningStepAndThenForTheFetchPass) {
    QFile::remove(workPath(ConfigFiles::kConfigFile));
    state().clockStatus = 1;
    state().flagDownloadRunning = 1;
    QSignalSpy requested(termination_.get(), &TerminationSignals::endRequested);
    QSignalSpy postponed(termination_.get(), &TerminationSignals::endPostponed);
    QSignalSpy ended(termination_.get(), &TerminationSignals::ended);

    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(requested.wait(kWaitMs));
    ASSERT_TRUE(postponed.count() > 0 || postponed.wait(kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);
    EXPECT_FALSE(workFileExists(ConfigFiles::kConfigFile));

    // The step is over but its fetch pass still runs.
    state().clockStatus = 0;
    postponed.clear();
    ASSERT_TRUE(postponed.wait(kWaitMs));
    EXPECT_EQ(closes->closeRequests, 0);
    EXPECT_TRUE(ended.isEmpty());

    // A second signal during the wait does not start a second end.
    ASSERT_EQ(std::raise(SIGINT), 0);
    state().flagDownloadRunning = 0;
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_EQ(requested.count(), 1);
    EXPECT_TRUE(workFileExists(ConfigFiles::kConfigFile));
    expectEndedWithoutAWord();
}

TEST_F(TerminationSignalsTest, AfterACleanUpTheFilesStayDeleted) {
    QFile::remove(workPath(ConfigFiles::kConfigFile));
    QFile::remove(workPath(ConfigFiles::kPictureListFile));
    state().FlagRestart = kTrue;
    raiseAndWaitForTheEnd(SIGTERM);
    EXPECT_FALSE(workFileExists(ConfigFiles::kConfigFile));
    EXPECT_FALSE(workFileExists(ConfigFiles::kPictureListFile));
}

TEST_F(TerminationSignalsTest, OnlyOneInstanceCatchesTheSignals) {
    TerminationSignals second(form());
    EXPECT_FALSE(second.install());
    EXPECT_FALSE(second.errorString().isEmpty());
}

TEST_F(TerminationSignalsTest, TheHandlersFoundAtInstallComeBack) {
    termination_.reset();
    struct sigaction other;
    std::memset(&other, 0, sizeof other);
    other.sa_handler = otherHandler;
    struct sigaction saved;
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
