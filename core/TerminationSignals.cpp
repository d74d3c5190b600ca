#include "core/TerminationSignals.h"

#include "base/AppState.h"
#include "core/ProgramEnd.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "platform/Platform.h"
#include "storage/ConfigFiles.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QListWidget>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

// The self-pipe: the handler only writes one byte, the event loop reads it.
int pipeRead = -1;
int pipeWrite = -1;
struct sigaction previous[std::size(kSignals)];

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    // A full pipe already holds a request; nothing is lost by dropping this byte.
    [[maybe_unused]] const ssize_t n = ::write(pipeWrite, &byte, 1);
    errno = savedErrno;
}

void closePipe() {
    for (int* fd : {&pipeRead, &pipeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

} // namespace

TerminationSignals::TerminationSignals(Window& window, QObject* parent)
    : QObject(parent), window_(window) {
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &TerminationSignals::tryEnd);
}

TerminationSignals::~TerminationSignals() {
    restoreHandlers();
}

bool TerminationSignals::install() {
    if (installed_)
        return true;
    if (pipeRead >= 0) {
        error_ = QStringLiteral("termination signals are already caught elsewhere");
        return false;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    pipeRead = fds[0];
    pipeWrite = fds[1];

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (::sigaction(kSignals[i], &action, &previous[i]) != 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            for (std::size_t k = 0; k < i; ++k)
                ::sigaction(kSignals[k], &previous[k], nullptr);
            closePipe();
            return false;
        }
    }
    notifier_ = new QSocketNotifier(pipeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);
    installed_ = true;
    return true;
}

void TerminationSignals::restoreHandlers() {
    if (!installed_)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    delete notifier_;
    notifier_ = nullptr;
    closePipe();
    installed_ = false;
}

void TerminationSignals::readSignals() {
    char bytes[16];
    bool caught = false;
    while (::read(pipeRead, bytes, sizeof bytes) > 0)
        caught = true;
    if (caught)
        requestEnd();
}

void TerminationSignals::requestEnd() {
    // A second signal while the end waits changes nothing.
    if (pending_)
        return;
    pending_ = true;
    // Whatever runs now (a step, a pass, a page render, an open message box, the connection
    // wait) stops waiting and returns; no new tick begins.
    programend::stopShow(window_);
    window_.platform.ending->request();
    emit endRequested();
    tryEnd();
}

bool TerminationSignals::workRunning() const {
    const AppState& s = window_.state;
    return s.clockStatus != 0 || s.flagDownloadRunning != 0;
}

void TerminationSignals::tryEnd() {
    if (!pending_ || window_.state.ExitToProgram != kFalse) {
        retry_.stop();
        return;
    }
    // This may run inside a step's or a pass's own waits, which return at once now: the end
    // follows as soon as they have unwound.
    if (workRunning()) {
        if (!retry_.isActive())
            retry_.start();
        emit endPostponed();
        return;
    }
    retry_.stop();
    endInOrder();
}

void TerminationSignals::endInOrder() {
    // After a clean-up the files stay deleted, so that the next start is a first run.
    if (window_.state.FlagRestart != kTrue)
        window_.parts.configFiles->SaveConfiguration();
    programend::closeWindow(window_);
    emit ended();
    programend::quitEventLoop();
}
