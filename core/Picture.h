#pragma once
// A picture of the store: kept in its file's encoded form with its natural size, so that a
// store of many large pictures stays small; it is decoded when it is shown.

#include <QByteArray>
#include <QSize>
#include <QString>

struct Picture {
    QByteArray encoded; // the bytes of the picture file
    QSize naturalSize;  // width and height in pixels
    QString sourcePath; // the file it was loaded from

    bool isNull() const { return naturalSize.isEmpty(); }
};
