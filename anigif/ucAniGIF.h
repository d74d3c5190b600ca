// ucAniGIF: the animated-GIF control. Loads a GIF from a file, bytes or a web address,
// decodes every frame once into an 8-bit strip and plays it by composing one frame per tick.
#pragma once

#include "anigif/GifComposer.h"
#include "anigif/GifPicture.h"
#include "anigif/GifPlayer.h"
#include "anigif/GifStream.h"
#include "anigif/PropertyBag.h"
#include "anigif/ScaleRules.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

namespace anigif {
class RemoteGifLoader;
}

// Members are listed in the control's interface order; the extras for containers, tests and
// tools follow after them.
//
// Events are signals. RemoteLoadComplete passes Cancel by reference: connect it with a direct
// connection (the default between objects of one thread) and set Cancel = true in the slot
// to refuse the download.
//
// Every write that changes a persisted property emits propertyChanged(name) so that the
// container knows its design-time data changed.
class ucAniGIF : public QWidget {
    Q_OBJECT
public:
    // designTime: the control sits in a form designer. It then shows frame 1 only, never
    // animates, keeps the GIF bytes for WriteProperties, and AnimatedGIF can be assigned.
    explicit ucAniGIF(QWidget* parent = nullptr, bool designTime = false);
    ~ucAniGIF() override;

    // 1. The current frame as a single-frame GIF; null when no GIF is loaded. Assigning works
    //    at design time only (a null picture empties the control).
    anigif::GifPicture AnimatedGIF() const;
    void setAnimatedGIF(const anigif::GifPicture& picture);
    // 2. 1..FrameCount while a GIF is loaded, else 0.
    qint32 CurrentFrame() const;
    // 3. Resizes the control to the scaled picture.
    bool AutoSize() const;
    void setAutoSize(bool autoSize);
    // 4. Whether the control takes mouse input (shadows QWidget's, to report the change).
    bool Enabled() const;
    void setEnabled(bool enabled);
    // 5. Writing is accepted and ignored.
    qint32 FrameCount() const;
    void setFrameCount(qint32 ignored);
    // 6, 7. The canvas size in the container's units.
    qint32 ActualWidth() const;
    qint32 ActualHeight() const;
    // 8. Stretch mode 0..4 (anigif::StretchMode).
    qint32 Stretch() const;
    void setStretch(qint32 mode);
    // 9. 10..32700 ms.
    qint32 MinFrameDelay() const;
    void setMinFrameDelay(qint32 ms);
    // 10. Loops before the animation stops; 0 = endless.
    qint32 Loops() const;
    void setLoops(qint32 loops);
    // 11. 0 without a GIF, 2147483647 when Loops is 0.
    qint32 LoopsRemaining() const;
    // 12. Bit 0 mirrors left to right, bit 1 top to bottom.
    qint32 Mirrored() const;
    void setMirrored(qint32 style);
    // 13. Reads the play state (0 stopped, 1 playing, 2 paused); writes a command:
    //     0 stop, 1 start, 2 pause, 3 step, 4 restart.
    qint32 Action() const;
    void setAction(qint32 command);
    // 14. 0: decode everything, then play. Else frame 1 first and the rest 20 ms later;
    //     with bit 1 set the GIF does not start by itself.
    qint32 DelayAnimation() const;
    void setDelayAnimation(qint32 value);
    // 15, 16. Cursor of the control: a custom icon (MousePointer 99) or a standard pointer.
    QPixmap MouseIcon() const;
    void setMouseIcon(const QPixmap& icon);
    qint32 MousePointer() const;
    void setMousePointer(qint32 pointer);
    // 17, 18. Shift of the drawn picture, in pixels.
    qint32 OffsetX() const;
    void setOffsetX(qint32 pixels);
    qint32 OffsetY() const;
    void setOffsetY(qint32 pixels);
    // 19. 0x00BBGGRR or a system colour (top bit set).
    quint32 BackColor() const;
    void setBackColor(quint32 colour);
    // 20. 0 transparent, 1 opaque.
    qint32 BackStyle() const;
    void setBackStyle(qint32 style);
    // 21. Every frame lasts this long when above 0.
    qint32 SteppedDelay() const;
    void setSteppedDelay(qint32 ms);
    // 22..24. True when at least one frame was loaded. The remote load reports through
    //     RemoteLoadComplete / RemoteLoadFailure.
    bool LoadAnimatedGIF_File(const QString& FileName);
    void LoadAnimatedGIF_Remote(const QString& RemotePath);
    bool LoadAnimatedGIF_Array(const QByteArray& Bytes);
    // 25, 26. FrameIndex 0 = the global table, 1..FrameCount = that frame's local table.
    //     Colours are 0x00RRGGBB.
    bool GetPalette(qint32 FrameIndex, QVector<qint32>& paletteEntries);
    bool SetPalette(qint32 FrameIndex, const QVector<qint32>& paletteEntries);
    // 27.
    void Refresh();
    // 28, 29.
    bool CacheColorTables();
    bool RestoreColorTables(bool bReleaseCache);

signals:
    void Click();
    // Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 control, 4 alt; x, y in the
    // container's units.
    void MouseDown(short Button, short Shift, float x, float y);
    void MouseUp(short Button, short Shift, float x, float y);
    void MouseMove(short Button, short Shift, float x, float y);
    void LoopsEnded();
    // FrameIndex is the frame shown before a timer tick (viaTimer true), else the frame shown.
    void FrameChanged(qint32 FrameIndex, bool viaTimer);
    void RemoteLoadComplete(float gifWidth, float gifHeight, bool& Cancel);
    void RemoteLoadFailure();
    // The container's "property changed" report, under the persisted property's name.
    void propertyChanged(const QString& name);

public:
    // ---- Container services ---------------------------------------------------------------
    bool isDesignTime() const { return m_designTime; }
    // Container units per control pixel, for ActualWidth/Height, RemoteLoadComplete and the
    // mouse events. Default: twips at the screen's logical DPI (15 at 96 DPI).
    double containerUnitsPerPixel() const { return m_unitsPerPixel; }
    void setContainerUnitsPerPixel(double units);
    // Persistence in the container's design-time data store.
    void ReadProperties(anigif::PropertyBag& bag);
    void WriteProperties(anigif::PropertyBag& bag) const;
    // Bounds of a remote download.
    void setRemoteLimits(int timeoutMs, qint64 maxBytes);

    // ---- Drawing and timing, for tests, benchmarks and fuzzing ------------------------------
    // The animation timer's callback, run at once (a stopped player ticks too).
    void animationTick();
    // The deferred decoding of frames 2..N, run at once instead of after 20 ms.
    void deferredDecodingTick();
    bool animationTimerActive() const;
    int animationTimerInterval() const;
    bool deferredDecodingPending() const;
    float scaleX() const { return m_scaleX; }
    float scaleY() const { return m_scaleY; }
    // Frames whose indices are in the strip (1 after the first pass, then N).
    int decodedFrames() const { return m_decoded; }
    // The current frame composed over frames before it, unscaled and unshifted, canvas-sized,
    // see-through where nothing was drawn. Null without a GIF.
    QImage composedFrame();
    // Composes the current frame and paints the whole control into target (resized to the
    // control when its size differs), as a repaint would.
    void renderFrame(QImage& target);
    // Paints only area of the control into target, as a repaint of that area would; a target
    // of another size is made anew and painted whole.
    void renderFrame(QImage& target, const QRect& area);
    // The control area the last frame change asked to repaint (empty when none was needed).
    QRect changedArea() const { return m_changedArea; }
    // Shows frames 1..N in turn, painting each into target. Returns the frames painted.
    // Load with DelayAnimation 2 (or call deferredDecodingTick) so that all frames are decoded
    // and nothing plays meanwhile.
    int renderAllFrames(QImage& target);
    // The loaded model (frames, tables, strip).
    const anigif::GifStream& gifStream() const { return m_gif; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // ---- ucAniGIFLoad.cpp: loading and decoding --------------------------------------------
    int LoadGifBytes();
    void ResetGif();
    bool DecodeFrames(bool firstPass);
    void finishDecoding();
    void onRemoteBytes(const QByteArray& bytes);
    // ---- ucAniGIFDraw.cpp: geometry and painting -------------------------------------------
    void ComputeScale();
    void ResizeToPicture(int mode);
    // Paints area of the control (the current frame over the background).
    void PaintFrame(QPainter& painter, const QRect& area, bool onClearedTarget = false);
    // Where frame f (without canvas) and the canvas land on the control.
    QRect frameTarget(int f) const;
    QRect canvasTarget() const;
    void MirrorFrames(int target);
    QRect toControl(const QRect& canvasArea) const;
    // ---- ucAniGIF.cpp: player glue ---------------------------------------------------------
    bool loaded() const { return m_gif.FrameCount() > 0 && m_decoded > 0; }
    bool playable() const { return loaded() && !m_designTime; }
    void onFrameShown(int reportedFrame, bool viaTimer);
    void showCurrentFrame();
    void startPlaying();
    void applyCursor();
    void report(const QString& name) { emit propertyChanged(name); }
    void emitMouse(void (ucAniGIF::*signal)(short, short, float, float), QMouseEvent* event);

    const bool m_designTime;
    anigif::GifStream m_gif;
    anigif::GifPlayer m_player;
    anigif::GifComposer m_composer;
    anigif::RemoteGifLoader* m_remote = nullptr;
    int m_decoded = 0;
    bool m_useCanvas = false;
    std::vector<anigif::ColorTable> m_tableCache;
    bool m_tablesCached = false;
    std::vector<uint8_t> m_frameMirror; // the mirror style each frame's cell has now
    qint32 m_mirror = 0;
    qint32 m_stretch = anigif::ProportionalFit;
    bool m_autoSize = false;
    float m_scaleX = 0.0f;
    float m_scaleY = 0.0f;
    bool m_resizing = false;
    bool m_windowed = false;
    qint32 m_offsetX = 0;
    qint32 m_offsetY = 0;
    quint32 m_backColor = 0x8000000Fu;
    qint32 m_backStyle = 0;
    qint32 m_delayAnimation = 1;
    QPixmap m_mouseIcon;
    qint32 m_mousePointer = 0;
    double m_unitsPerPixel = 15.0;
    bool m_pressed = false;
    int m_shownFrame = 0; // the frame the last repaint request was for, 0 = a whole repaint
    QRect m_changedArea;
};
