// The animated radar loop: a rotating sweep over drifting echoes, one frame per five minutes
// up to the time of the request.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QList>

namespace catalogueservice::demo {

inline constexpr int kRadarFrameCount = 12;
inline constexpr int kRadarFrameDelayCs = 30;

QList<QImage> DrawRadarFrames(const QDateTime& when, int frameCount = kRadarFrameCount);

// The frames as a looping GIF89a.
QByteArray EncodeRadarLoop(const QDateTime& when);

} // namespace catalogueservice::demo
