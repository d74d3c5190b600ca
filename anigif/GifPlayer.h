// Play state, frame timing and loop counting of the animated-GIF control, with its two
// one-shot timers (the animation tick and the deferred decoding of the later frames).
#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

namespace anigif {

enum PlayState { Stopped = 0, Playing = 1, Paused = 2 };

class GifPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int MinFrameDelayLow = 10;
    static constexpr int MinFrameDelayHigh = 32700;
    static constexpr int DeferredDecodeDelay = 20;
    static constexpr qint32 EndlessLoopsRemaining = 2147483647;

    explicit GifPlayer(QObject* parent = nullptr);

    // A new GIF: frame k (1-based) lasts delaysMs[k - 1]; the player stops on frame 1.
    void setFrames(std::vector<int> delaysMs);
    // No GIF: stopped, no frames, current frame 0.
    void clear();
    // The GIF was cut down to its first frame.
    void truncateToFirstFrame();

    int frameCount() const { return int(m_delays.size()); }
    int currentFrame() const { return m_current; }
    void setCurrentFrame(int frame) { m_current = frame; }
    int playState() const { return m_state; }
    void setPlayState(int state) { m_state = state; }

    qint32 loops() const { return m_loops; }
    // Stores the absolute value and restarts the loop countdown, unless the value is unchanged.
    // Returns whether it changed.
    bool setLoops(qint32 loops);
    // Loop count of a new file: taken as is, no change report.
    void setFileLoops(qint32 loops);
    qint32 loopsRemaining() const;
    void resetRemainingLoops();

    int minFrameDelay() const { return m_minFrameDelay; }
    void setMinFrameDelay(int ms);
    int steppedDelay() const { return m_steppedDelay; }
    void setSteppedDelay(int ms);
    // How long frame (1-based) stays: the stepped delay when set, else its own delay raised
    // to the minimum.
    int intervalFor(int frame) const;

    void start();
    void stop();
    // Only a playing or paused animation becomes paused.
    void pause();
    bool animationTimerActive() const { return m_animation.isActive(); }
    int animationTimerInterval() const { return m_animation.interval(); }

    void startDeferredDecoding();
    void cancelDeferredDecoding();
    bool deferredDecodingPending() const { return m_deferred.isActive(); }

    // One animation tick: the next frame, loop counting, the next timer.
    void tick();

signals:
    // The current frame must be drawn, then FrameChanged(reportedFrame, viaTimer) raised.
    void frameShown(int reportedFrame, bool viaTimer);
    void loopsEnded();
    void deferredDecodingDue();

private:
    std::vector<int> m_delays;
    int m_current = 0;
    int m_state = Stopped;
    qint32 m_loops = 0;
    qint16 m_remaining = 0;
    int m_minFrameDelay = 50;
    int m_steppedDelay = 0;
    QTimer m_animation;
    QTimer m_deferred;
};

} // namespace anigif
