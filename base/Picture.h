#pragma once
// A picture of the store: kept in its file's encoded form with its natural size, so that a
// store of many large pictures stays small; it is decoded when it is shown.

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <QString>

struct Picture {
    QByteArray encoded; // the bytes of the picture file
    QSize naturalSize;  // width and height in pixels
    QString sourcePath; // the file it was loaded from
    QString address;    // the web address it was fetched from, empty for placeholders
    // Transparent parts are laid on `background` whenever the picture is decoded. Keeping the
    // file's own bytes with this mark costs nothing, where storing a flattened copy would mean
    // encoding it again.
    bool flatten = false;
    QRgb background = 0xffffffff;

    bool isNull() const { return naturalSize.isEmpty(); }
};
