#pragma once
// Turning the stored bytes of a picture into pixels. The format is always read from the bytes
// themselves, never from a file name, so a picture behind a misleading name still decodes.

#include "base/Picture.h"

#include <QImage>

namespace pictures {

// One full decode; a null image when the bytes hold no picture.
QImage decodeFull(const QByteArray& bytes);

// The picture at `size` with high-quality resampling (its natural size when `size` is empty).
// A JPEG is decoded straight at a reduced scale, so a large one never exists at full size.
QImage decodeAt(const Picture& picture, QSize size);

// `full` (the picture's full decode) brought to `size` the way decodeAt would show it.
QImage scaledForDisplay(const Picture& picture, const QImage& full, QSize size);

// Transparent parts laid on an opaque background.
QImage flattened(const QImage& image, QRgb background);

// A store picture from the bytes of `path`, validated by one full decode, which is handed back
// in `decoded` for whoever shows it next. A null picture when the file cannot be read or holds
// no picture.
Picture pictureFromFile(const QString& path, QImage* decoded = nullptr);

} // namespace pictures
