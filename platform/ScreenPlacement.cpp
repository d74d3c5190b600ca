#include "platform/ScreenPlacement.h"

#include <QWidget>

namespace platform {

void keepOnScreen(QWidget* w, QSize screen) {
    const int width = qMin(w->width(), screen.width());
    const int height = qMin(w->height(), screen.height());
    if (width != w->width() || height != w->height())
        w->resize(width, height);
    const int x = qBound(0, w->x(), screen.width() - width);
    const int y = qBound(0, w->y(), screen.height() - height);
    if (x != w->x() || y != w->y())
        w->move(x, y);
}

} // namespace platform
