#include "base/BarArithmetic.h"

#include <QtGlobal>

BarGeometry computeBarGeometry(float screenWidth, float screenHeight, float ratioXY) {
    const float U = screenHeight / 100.0f * 4.0f;
    const float k = ratioXY / 1.6f;
    BarGeometry g;
    g.U = qRound(U);
    g.backTop = qRound(screenHeight) - g.U;
    g.terminaWidth = qRound(U * k);
    g.setupWidth = qRound(U / 32.0f * 94.0f * k);
    g.logoWidth = qRound(U / 32.0f * 210.0f * k);
    g.whoWeAreWidth =
        qRound(screenWidth) - g.setupWidth - g.terminaWidth - g.logoWidth - g.terminaWidth;
    g.top = qRound(screenHeight) - g.U;
    g.terminaLeft = g.setupWidth;
    g.whoWeAreLeft = g.terminaWidth + g.setupWidth;
    g.logoLeft = g.terminaWidth + g.setupWidth + g.whoWeAreWidth;
    g.connectLeft = g.terminaWidth + g.setupWidth + g.logoWidth + g.whoWeAreWidth;
    g.timerflagTop = g.top - g.U;
    // (height - height / 5) twips in points, times 0.3.
    g.fontSize = (static_cast<float>(g.U) - static_cast<float>(g.U) / 5.0f) / 20.0f * 0.3f;
    return g;
}
