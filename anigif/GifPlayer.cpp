#include "anigif/GifPlayer.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

namespace anigif {

namespace {
// The countdown is 16 bits wide; larger loop counts stay positive instead of wrapping.
qint16 countdownFor(qint32 loops) {
    return qint16(std::clamp<qint32>(loops, 0, std::numeric_limits<qint16>::max()));
}
} // namespace

GifPlayer::GifPlayer(QObject* parent) : QObject(parent), m_animation(this), m_deferred(this) {
    m_animation.setSingleShot(true);
    m_deferred.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, &GifPlayer::tick);
    connect(&m_deferred, &QTimer::timeout, this, &GifPlayer::deferredDecodingDue);
}

void GifPlayer::setFrames(std::vector<int> delaysMs) {
    stop();
    cancelDeferredDecoding();
    m_delays = std::move(delaysMs);
    m_current = m_delays.empty() ? 0 : 1;
}

void GifPlayer::clear() {
    setFrames({});
}

void GifPlayer::truncateToFirstFrame() {
    if (m_delays.size() > 1)
        m_delays.resize(1);
    if (m_current > 1)
        m_current = 1;
}

bool GifPlayer::setLoops(qint32 loops) {
    if (loops == m_loops)
        return false;
    const qint64 magnitude = qAbs(qint64(loops));
    m_loops = qint32(std::min<qint64>(magnitude, std::numeric_limits<qint32>::max()));
    m_remaining = countdownFor(m_loops);
    return true;
}

void GifPlayer::setFileLoops(qint32 loops) {
    m_loops = loops;
    m_remaining = countdownFor(loops);
}

qint32 GifPlayer::loopsRemaining() const {
    if (m_delays.empty())
        return 0;
    if (m_loops == 0)
        return EndlessLoopsRemaining;
    return m_remaining;
}

void GifPlayer::resetRemainingLoops() {
    m_remaining = countdownFor(m_loops);
}

void GifPlayer::setMinFrameDelay(int ms) {
    m_minFrameDelay = std::clamp(ms, MinFrameDelayLow, MinFrameDelayHigh);
}

void GifPlayer::setSteppedDelay(int ms) {
    m_steppedDelay = std::max(ms, 0);
}

int GifPlayer::intervalFor(int frame) const {
    if (m_steppedDelay > 0)
        return m_steppedDelay;
    const int own = (frame >= 1 && frame <= frameCount()) ? m_delays[size_t(frame - 1)] : 0;
    return std::max(own, m_minFrameDelay);
}

void GifPlayer::start() {
    if (m_state == Playing || frameCount() < 2)
        return;
    m_state = Stopped;
    m_animation.start(intervalFor(m_current));
    m_state = Playing;
}

void GifPlayer::stop() {
    m_animation.stop();
    m_state = Stopped;
}

void GifPlayer::pause() {
    if (m_state == Stopped)
        return;
    stop();
    m_state = Paused;
}

void GifPlayer::startDeferredDecoding() {
    m_deferred.start(DeferredDecodeDelay);
}

void GifPlayer::cancelDeferredDecoding() {
    m_deferred.stop();
}

void GifPlayer::tick() {
    m_animation.stop();
    const int n = frameCount();
    if (n == 0)
        return;
    const int shown = m_current;
    bool loopCompleted = false;
    m_current = shown + 1;
    if (m_current > n) {
        m_current = 1;
        loopCompleted = true;
    }
    bool further = true;
    if (n == 1) {
        m_remaining = 0;
        m_state = Stopped;
        further = false;
    } else if (loopCompleted && m_loops != 0) {
        --m_remaining;
        if (m_remaining <= 0) {
            m_state = Stopped;
            m_remaining = countdownFor(m_loops);
            m_current = n;
            further = false;
        }
    }
    emit frameShown(shown, true);
    // A FrameChanged receiver may have stopped, paused or restarted the animation itself.
    if (!further)
        emit loopsEnded();
    else if (m_state == Playing && !m_animation.isActive())
        m_animation.start(intervalFor(m_current));
}

} // namespace anigif
