#include "platform/qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

// Without a screen (a headless start) the usual desktop values keep the arithmetic sane.
QSize QtScreen::sizePixels() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1920, 1080);
}

double QtScreen::logicalDpi() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace platform
