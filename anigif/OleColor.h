// Colour values as the control's users give them: 0x00BBGGRR, or a system colour with the top bit
// set.
#pragma once

#include <QColor>
#include <QtGlobal>

namespace anigif {

constexpr quint32 SystemColorFlag = 0x80000000u;
constexpr quint32 ButtonFaceColor = 0x8000000Fu;
constexpr quint32 WindowFrameColor = 0x80000006u;

// A system colour is looked up by its low 8 bits in the desktop's colour scheme (the
// application palette here); an unknown system index gives black, as the old platform did.
QColor resolveOleColor(quint32 value);

} // namespace anigif
