#include "anigif/ucAniGIF.h"

#include "anigif/LzwEncoder.h"
#include "anigif/OleColor.h"
#include "anigif/RemoteGifLoader.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>

using namespace anigif;

namespace {

constexpr int customPointer = 99;

Qt::CursorShape cursorShapeFor(qint32 pointer) {
    switch (pointer) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 4:
        return Qt::ArrowCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 15:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

short buttonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace

ucAniGIF::ucAniGIF(QWidget* parent, bool designTime)
    : QWidget(parent), m_designTime(designTime), m_player(this) {
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && screen->logicalDotsPerInchX() > 0)
        m_unitsPerPixel = 1440.0 / screen->logicalDotsPerInchX();
    setMouseTracking(true);
    connect(&m_player, &GifPlayer::frameShown, this, &ucAniGIF::onFrameShown);
    connect(&m_player, &GifPlayer::loopsEnded, this, &ucAniGIF::LoopsEnded);
    connect(&m_player, &GifPlayer::deferredDecodingDue, this, &ucAniGIF::deferredDecodingTick);
}

ucAniGIF::~ucAniGIF() {
    ResetGif();
}

// ---- Properties ------------------------------------------------------------------------------

GifPicture ucAniGIF::AnimatedGIF() const {
    GifPicture picture;
    const int f = m_player.currentFrame();
    if (!loaded() || f < 1 || f > m_decoded || !cellInStrip(m_gif, f))
        return picture;
    const GifFrame& frame = m_gif.frame(f);
    const ColorTable& table = m_gif.tableOf(f);
    std::array<uint32_t, 256> colours{};
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = table[i] & 0x00FFFFFFu;
    picture.gif = WriteSingleFrameGif(
        m_gif.FrameStrip.cell(frame.StripX), m_gif.FrameStrip.stride(), frame.Width, frame.Height,
        colours.data(), int(std::min<uint32_t>(table[kColorCountEntry], 256)),
        frame.Transparent != 0, frame.TransparentIndex);
    if (!picture.gif.isEmpty())
        picture.image = DecodeFirstFrameImage(picture.gif);
    if (picture.image.isNull())
        picture = GifPicture();
    return picture;
}

void ucAniGIF::setAnimatedGIF(const GifPicture& picture) {
    if (!m_designTime)
        return;
    m_gif.Buffer = picture.gif;
    LoadGifBytes();
    report(QStringLiteral("AnimatedGIF"));
}

qint32 ucAniGIF::CurrentFrame() const {
    return loaded() ? m_player.currentFrame() : 0;
}

bool ucAniGIF::AutoSize() const {
    return m_autoSize;
}

void ucAniGIF::setAutoSize(bool autoSize) {
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (autoSize)
        ResizeToPicture(m_stretch);
    report(QStringLiteral("AutoSize"));
}

bool ucAniGIF::Enabled() const {
    return isEnabled();
}

void ucAniGIF::setEnabled(bool enabled) {
    if (enabled == isEnabled())
        return;
    QWidget::setEnabled(enabled);
    report(QStringLiteral("Enabled"));
}

qint32 ucAniGIF::FrameCount() const {
    return loaded() ? m_gif.FrameCount() : 0;
}

void ucAniGIF::setFrameCount(qint32) {}

qint32 ucAniGIF::ActualWidth() const {
    return qint32(std::floor(m_gif.CanvasWidth * m_unitsPerPixel));
}

qint32 ucAniGIF::ActualHeight() const {
    return qint32(std::floor(m_gif.CanvasHeight * m_unitsPerPixel));
}

qint32 ucAniGIF::Stretch() const {
    return m_stretch;
}

void ucAniGIF::setStretch(qint32 mode) {
    if (mode < ActualSizeClipped || mode > ActualSize)
        return;
    const bool changed = mode != m_stretch;
    m_stretch = mode;
    if (loaded()) {
        const int former = m_player.playState();
        if (playable())
            m_player.pause();
        ResizeToPicture(m_stretch);
        if (playable())
            setAction(former);
        if (former != Playing)
            update();
    }
    if (changed)
        report(QStringLiteral("Stretch"));
}

qint32 ucAniGIF::MinFrameDelay() const {
    return m_player.minFrameDelay();
}

void ucAniGIF::setMinFrameDelay(qint32 ms) {
    const int before = m_player.minFrameDelay();
    m_player.setMinFrameDelay(ms);
    if (m_player.minFrameDelay() != before)
        report(QStringLiteral("Delay"));
}

qint32 ucAniGIF::Loops() const {
    return m_player.loops();
}

void ucAniGIF::setLoops(qint32 loops) {
    if (m_player.setLoops(loops))
        report(QStringLiteral("Loops"));
}

qint32 ucAniGIF::LoopsRemaining() const {
    return loaded() ? m_player.loopsRemaining() : 0;
}

qint32 ucAniGIF::Mirrored() const {
    return m_mirror;
}

void ucAniGIF::setMirrored(qint32 style) {
    if (style < 0 || style > 3)
        return;
    const bool changed = style != m_mirror;
    if (loaded()) {
        const bool wasPlaying = m_player.playState() == Playing;
        if (wasPlaying)
            m_player.pause();
        MirrorFrames(style);
        m_mirror = style;
        if (wasPlaying)
            startPlaying();
        else
            update();
    } else {
        m_mirror = style;
    }
    if (changed)
        report(QStringLiteral("Mirrored"));
}

qint32 ucAniGIF::Action() const {
    return m_player.playState();
}

void ucAniGIF::setAction(qint32 command) {
    if (!playable())
        return;
    const int n = m_gif.FrameCount();
    switch (command) {
    case 0: // stop
        m_player.stop();
        m_player.resetRemainingLoops();
        m_player.setCurrentFrame(1);
        showCurrentFrame();
        emit FrameChanged(1, false);
        break;
    case 1: // start; a paused GIF goes on from where it is
        if (m_player.playState() == Stopped && m_player.currentFrame() != 1) {
            m_player.setCurrentFrame(1);
            showCurrentFrame();
        }
        startPlaying();
        break;
    case 2: // pause
        m_player.pause();
        break;
    case 3: { // step
        m_player.stop();
        const int next = m_player.currentFrame() >= n ? 1 : m_player.currentFrame() + 1;
        m_player.setCurrentFrame(next);
        m_player.setPlayState(Paused);
        showCurrentFrame();
        emit FrameChanged(next, false);
        break;
    }
    case 4: // restart
        m_player.stop();
        m_player.resetRemainingLoops();
        m_player.setCurrentFrame(1);
        showCurrentFrame();
        emit FrameChanged(1, false);
        startPlaying();
        break;
    default:
        break;
    }
}

qint32 ucAniGIF::DelayAnimation() const {
    return m_delayAnimation;
}

void ucAniGIF::setDelayAnimation(qint32 value) {
    if (value < 0 || value > 3 || value == m_delayAnimation)
        return;
    m_delayAnimation = value;
    report(QStringLiteral("DelayAnimation"));
}

QPixmap ucAniGIF::MouseIcon() const {
    return m_mouseIcon;
}

void ucAniGIF::setMouseIcon(const QPixmap& icon) {
    m_mouseIcon = icon;
    if (icon.isNull())
        m_mousePointer = 0;
    applyCursor();
    report(QStringLiteral("MouseIcon"));
}

qint32 ucAniGIF::MousePointer() const {
    return m_mousePointer;
}

void ucAniGIF::setMousePointer(qint32 pointer) {
    const bool changed = pointer != m_mousePointer;
    m_mousePointer = pointer;
    applyCursor();
    if (changed)
        report(QStringLiteral("MousePointer"));
}

void ucAniGIF::applyCursor() {
    if (m_mousePointer == 0)
        unsetCursor();
    else if (m_mousePointer == customPointer && !m_mouseIcon.isNull())
        setCursor(QCursor(m_mouseIcon));
    else
        setCursor(cursorShapeFor(m_mousePointer));
}

qint32 ucAniGIF::OffsetX() const {
    if (m_designTime || m_player.playState() != Playing)
        const_cast<ucAniGIF*>(this)->update();
    return m_offsetX;
}

void ucAniGIF::setOffsetX(qint32 pixels) {
    if (pixels == m_offsetX)
        return;
    m_offsetX = pixels;
    report(QStringLiteral("OffsetX"));
}

qint32 ucAniGIF::OffsetY() const {
    return m_offsetY;
}

void ucAniGIF::setOffsetY(qint32 pixels) {
    if (pixels == m_offsetY)
        return;
    m_offsetY = pixels;
    if (m_designTime || m_player.playState() != Playing)
        update();
    report(QStringLiteral("OffsetY"));
}

quint32 ucAniGIF::BackColor() const {
    return m_backColor;
}

void ucAniGIF::setBackColor(quint32 colour) {
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    update();
    report(QStringLiteral("BackColor"));
}

qint32 ucAniGIF::BackStyle() const {
    return m_backStyle;
}

void ucAniGIF::setBackStyle(qint32 style) {
    if ((style != 0 && style != 1) || style == m_backStyle)
        return;
    m_backStyle = style;
    update();
    report(QStringLiteral("BackStyle"));
}

qint32 ucAniGIF::SteppedDelay() const {
    return m_player.steppedDelay();
}

void ucAniGIF::setSteppedDelay(qint32 ms) {
    const int before = m_player.steppedDelay();
    m_player.setSteppedDelay(ms);
    if (m_player.steppedDelay() != before)
        report(QStringLiteral("SteppedDelay"));
}

void ucAniGIF::Refresh() {
    update();
}

// ---- Player glue -----------------------------------------------------------------------------

void ucAniGIF::startPlaying() {
    if (playable())
        m_player.start();
}

void ucAniGIF::showCurrentFrame() {
    if (!loaded())
        return;
    const int f = m_player.currentFrame();
    if (m_useCanvas) {
        const QRect changed = m_composer.composeTo(m_gif, f, m_decoded);
        m_changedArea = changed.isEmpty() ? QRect() : toControl(changed);
    } else if (m_shownFrame >= 1 && m_shownFrame <= m_gif.FrameCount() && f >= 1) {
        // Without canvas the frame before is wiped and the new one drawn.
        m_changedArea = (frameTarget(m_shownFrame) | frameTarget(f)).adjusted(-1, -1, 1, 1);
    } else {
        m_changedArea = rect();
    }
    m_shownFrame = f;
    if (!m_changedArea.isEmpty())
        update(m_changedArea);
}

void ucAniGIF::onFrameShown(int reportedFrame, bool viaTimer) {
    showCurrentFrame();
    emit FrameChanged(reportedFrame, viaTimer);
}

void ucAniGIF::animationTick() {
    m_player.tick();
}

bool ucAniGIF::animationTimerActive() const {
    return m_player.animationTimerActive();
}

int ucAniGIF::animationTimerInterval() const {
    return m_player.animationTimerInterval();
}

bool ucAniGIF::deferredDecodingPending() const {
    return m_player.deferredDecodingPending();
}

void ucAniGIF::setContainerUnitsPerPixel(double units) {
    if (units > 0.0)
        m_unitsPerPixel = units;
}

void ucAniGIF::setRemoteLimits(int timeoutMs, qint64 maxBytes) {
    if (!m_remote) {
        m_remote = new RemoteGifLoader(this);
        connect(m_remote, &RemoteGifLoader::succeeded, this, &ucAniGIF::onRemoteBytes);
        connect(m_remote, &RemoteGifLoader::failed, this, &ucAniGIF::RemoteLoadFailure);
    }
    m_remote->setTimeoutMs(timeoutMs);
    m_remote->setMaxBytes(maxBytes);
}

// ---- Widget events ---------------------------------------------------------------------------

void ucAniGIF::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_windowed && (isWindow() || testAttribute(Qt::WA_NativeWindow)))
        m_windowed = true;
    if (loaded() && m_scaleX == 0.0f && m_scaleY == 0.0f)
        ComputeScale();
    if (m_player.playState() == Paused)
        startPlaying();
}

void ucAniGIF::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (playable())
        m_player.pause();
}

void ucAniGIF::emitMouse(void (ucAniGIF::*signal)(short, short, float, float), QMouseEvent* event) {
    const QPointF at = event->position();
    const short buttons = buttonCode(
        signal == &ucAniGIF::MouseMove ? event->buttons() : Qt::MouseButtons(event->button()));
    emit(this->*signal)(buttons, shiftCode(event->modifiers()),
                        float(std::trunc(at.x() * m_unitsPerPixel)),
                        float(std::trunc(at.y() * m_unitsPerPixel)));
}

void ucAniGIF::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    emitMouse(&ucAniGIF::MouseDown, event);
}

void ucAniGIF::mouseReleaseEvent(QMouseEvent* event) {
    emitMouse(&ucAniGIF::MouseUp, event);
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}

void ucAniGIF::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&ucAniGIF::MouseMove, event);
}
