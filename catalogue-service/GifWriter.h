// A multi-frame GIF89a writer for the demo loops; the LZW coding is anigif's encoder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QVector>

namespace catalogueservice {

struct GifFrame {
    // Format_Indexed8. Its colour table becomes the frame's local table when localPalette is
    // set; otherwise its indices refer to the global palette.
    QImage image;
    QPoint offset;
    int delayCs = 10;
    // 0 none, 1 keep, 2 restore to background, 3 restore to previous.
    int disposal = 1;
    int transparentIndex = -1;
    bool localPalette = false;
};

// A fixed 256-colour table (a 6x6x6 cube and a grey ramp) shared by every demo GIF, so that
// frames need no local tables.
QVector<QRgb> DemoGifPalette();

// Maps a picture onto DemoGifPalette() without dithering (flat areas compress well).
QImage ToDemoPalette(const QImage& picture);

// A looping animation (NETSCAPE2.0, loopCount 0 = for ever) on a logical screen of screenSize.
// Frames that do not fit on the screen or are not 8-bit make the result empty.
QByteArray WriteAnimatedGif(const QSize& screenSize, const QVector<QRgb>& globalPalette,
                            const QList<GifFrame>& frames, int loopCount = 0);

} // namespace catalogueservice
