#include "platform/qt/QtWindowSystem.h"

#include <QWidget>

namespace platform {

void QtWindowSystem::setAlwaysOnTop(QWidget* window, bool onTop) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing a flag re-creates the native window hidden; show it again as it was.
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        window->show();
}

} // namespace platform
