// A picture as the animated-GIF control hands it out and takes it in: GIF file bytes plus
// the image they decode to.
#pragma once

#include <QByteArray>
#include <QImage>

namespace anigif {

struct GifPicture {
    QByteArray gif; // the GIF file bytes
    QImage image;   // its first frame

    bool isNull() const { return gif.isEmpty(); }
};

} // namespace anigif
