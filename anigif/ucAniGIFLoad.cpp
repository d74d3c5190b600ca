// ucAniGIF: getting the GIF bytes, parsing, and the two decoding passes.
#include "anigif/RemoteGifLoader.h"
#include "anigif/ucAniGIF.h"

#include <QFile>
#include <algorithm>
#include <cmath>

using namespace anigif;

namespace {

bool hasGifSignature(const QByteArray& bytes) {
    const QByteArray signature = bytes.left(6).toLower();
    return signature == "gif89a" || signature == "gif87a";
}

int littleEndianWord(const QByteArray& bytes, int at) {
    return int(uint8_t(bytes[at])) | (int(uint8_t(bytes[at + 1])) << 8);
}

bool frameImagesWithinBudget(const GifStream& gif, bool allFrames) {
    int64_t largest = 0;
    const int frames = allFrames ? gif.FrameCount() : 1;
    for (int k = 1; k <= frames; ++k)
        largest = std::max(largest, int64_t(gif.frame(k).Width) * gif.frame(k).Height);
    return CanvasWithinBudget(largest, 1, int64_t(gif.FrameStrip.byteCount()));
}

} // namespace

bool ucAniGIF::LoadAnimatedGIF_File(const QString& FileName) {
    m_gif.Buffer.clear();
    QFile file(FileName);
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        const qint64 size = file.size();
        // A file beyond what one GIF may allocate could never load; do not read it.
        if (size > 0 && size <= kMaxGifAllocationBytes) {
            m_gif.Buffer = file.readAll();
            if (m_gif.Buffer.size() < size)
                m_gif.Buffer.clear();
        }
    }
    return LoadGifBytes() > 0;
}

bool ucAniGIF::LoadAnimatedGIF_Array(const QByteArray& Bytes) {
    m_gif.Buffer = Bytes;
    return LoadGifBytes() > 0;
}

void ucAniGIF::LoadAnimatedGIF_Remote(const QString& RemotePath) {
    if (RemotePath.isEmpty())
        return;
    if (!m_remote)
        setRemoteLimits(RemoteGifLoader::DefaultTimeoutMs, RemoteGifLoader::DefaultMaxBytes);
    if (!m_remote->start(RemotePath))
        emit RemoteLoadFailure();
}

void ucAniGIF::onRemoteBytes(const QByteArray& bytes) {
    if (bytes.size() <= 14 || !hasGifSignature(bytes)) {
        emit RemoteLoadFailure();
        return;
    }
    const float gifWidth = float(std::floor(littleEndianWord(bytes, 6) * m_unitsPerPixel));
    const float gifHeight = float(std::floor(littleEndianWord(bytes, 8) * m_unitsPerPixel));
    bool cancel = false;
    emit RemoteLoadComplete(gifWidth, gifHeight, cancel);
    if (cancel)
        return;
    m_gif.Buffer = bytes;
    // A signature alone does not make a GIF: tell the receiver when nothing could be loaded.
    if (LoadGifBytes() == 0)
        emit RemoteLoadFailure();
}

void ucAniGIF::ResetGif() {
    m_player.clear();
    m_gif.clear();
    m_composer.reset();
    m_tableCache.clear();
    m_tablesCached = false;
    m_frameMirror.clear();
    m_decoded = 0;
    m_useCanvas = false;
    m_shownFrame = 0;
}

int ucAniGIF::LoadGifBytes() {
    ResetGif();
    m_scaleX = m_scaleY = 0.0f;
    int n = 0;
    if (!m_gif.Buffer.isEmpty()) {
        n = ParseGif(m_gif);
        if (n > 0) {
            m_player.setFileLoops(m_gif.LoopCount);
            if (!DecodeFrames(true))
                n = 0;
            else if (!m_designTime && n == 1)
                emit FrameChanged(1, false);
        }
    }
    if (n > 0)
        return n;
    m_gif.Buffer.clear();
    ResetGif();
    update();
    return 0;
}

bool ucAniGIF::DecodeFrames(bool firstPass) {
    const int n = m_gif.FrameCount();
    if (firstPass) {
        const bool allFrames = !m_designTime && n > 1;
        const bool allDisposal2 = std::all_of(m_gif.Frames.begin(), m_gif.Frames.end(),
                                              [](const GifFrame& f) { return f.Disposal == 2; });
        m_useCanvas = allFrames && !allDisposal2;
        if (!CreateStrip(m_gif, allFrames))
            return false;
        if (m_useCanvas && !m_composer.createCanvas(m_gif))
            return false;
        // Without a canvas a frame is coloured into a picture of its own size when painted.
        if (!m_useCanvas && !frameImagesWithinBudget(m_gif, allFrames))
            return false;
        DecodeStripFrames(m_gif, 1, 1);
        m_decoded = 1;
        m_frameMirror.assign(size_t(n), 0);
        std::vector<int> delays;
        delays.reserve(size_t(n));
        for (const GifFrame& f : m_gif.Frames)
            delays.push_back(f.Delay);
        m_player.setFrames(std::move(delays));
        if (m_designTime) {
            ResizeToPicture(ActualSize);
            finishDecoding();
            return true;
        }
        ResizeToPicture(m_stretch);
        if (m_delayAnimation != 0 && n > 1) {
            MirrorFrames(m_mirror);
            m_player.startDeferredDecoding();
            update();
            return true;
        }
    }
    if (n > 1 && m_decoded < n) {
        DecodeStripFrames(m_gif, 2, n);
        m_decoded = n;
    }
    finishDecoding();
    return true;
}

void ucAniGIF::finishDecoding() {
    m_gif.FrameRanges.clear();
    m_gif.FrameRanges.shrink_to_fit();
    MirrorFrames(m_mirror);
    update();
    if (m_designTime)
        return;
    m_gif.Buffer = QByteArray();
    if (m_delayAnimation & 2) {
        showCurrentFrame();
        emit FrameChanged(1, false);
    } else {
        m_player.resetRemainingLoops();
        startPlaying();
    }
}

void ucAniGIF::deferredDecodingTick() {
    m_player.cancelDeferredDecoding();
    if (m_designTime || m_gif.FrameCount() < 2 || m_decoded < 1 || m_decoded >= m_gif.FrameCount())
        return;
    DecodeFrames(false);
}
