// Shared helpers of the animated-GIF tests: giflib writer and reference, corpus, control drivers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSignalSpy>
#include <QStringList>
#include <gif_lib.h>
#include <vector>

class ucAniGIF;

#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!uctest::corpusPresent())                                                                  \
    GTEST_SKIP() << "no GIF corpus at " << NIMBRISCO_GIF_CORPUS

namespace uctest {

struct TestFrame {
    QRect rect;
    std::vector<uint8_t> pixels; // rect.width() x rect.height() indices, row by row
    int disposal = 1;
    int delayCs = 10;
    int transparentIndex = -1;
    std::vector<QRgb> localTable; // empty: the frame uses the global table
    bool interlaced = false;
    bool withControlBlock = true;
};

// A GIF89a written by giflib. loopCount < 0 writes no NETSCAPE2.0 block.
QByteArray makeGif(QSize screen, const std::vector<QRgb>& globalTable,
                   const std::vector<TestFrame>& frames, int loopCount = 0);
TestFrame patternFrame(QRect rect, int seed, int colours);
std::vector<QRgb> rampTable(int count, int seed);
// width x height indices below colours: noise (kind 0), bands (1), or flat with specks (2).
std::vector<uint8_t> pixelPattern(int width, int height, int colours, int kind, unsigned seed);
// count frame headers of width x height whose data is a clear code only.
QByteArray bareFrames(int count, int width, int height);

// giflib's DGifSlurp of bytes; a cut-off file keeps the frames read so far.
struct Giflib {
    explicit Giflib(const QByteArray& bytes);
    ~Giflib();
    Giflib(const Giflib&) = delete;
    Giflib& operator=(const Giflib&) = delete;
    std::vector<uint8_t> indices(int k) const; // of frame k (from 0), de-interlaced
    GifFileType* file = nullptr;
    bool complete = false;
};

// Frames composed from giflib's decoding by the control's rules (canvas = extent of the frames,
// transparent background, disposal 0..3 with 3 on the first frame taken as 0, indices past the
// table's size black): ARGB32 premultiplied, one per frame.
std::vector<QImage> giflibCompose(const QByteArray& bytes);

bool corpusPresent();
QByteArray corpusFile(const QString& relative);
QStringList corpusGifs(const QString& folder); // paths relative to the corpus

// "" when equal, else where and how the first pixel differs (limited to area when valid).
QString imageDifference(const QImage& actual, const QImage& expected, QRect area = QRect());

// A run-time control holding bytes, all frames decoded, stopped on frame 1.
void loadStopped(ucAniGIF& control, const QByteArray& bytes);
// Steps the control (Action 3) until it shows frame f.
void stepTo(ucAniGIF& control, int f);

// What a control raised: FrameChanged (frame, viaTimer), LoopsEnded, change reports.
struct EventLog {
    explicit EventLog(ucAniGIF& control);
    std::vector<std::pair<int, bool>> frameChanged;
    int loopsEnded = 0;
    QStringList changes;
    std::pair<int, bool> last() const {
        return frameChanged.empty() ? std::make_pair(-1, false) : frameChanged.back();
    }
};

} // namespace uctest
