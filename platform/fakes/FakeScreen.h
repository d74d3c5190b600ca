#pragma once
// A fixed screen: 1920 x 1080 pixels at 96 DPI (15 twips per pixel) unless a test says otherwise.

#include "platform/Screen.h"

namespace platform {

class FakeScreen : public Screen {
public:
    explicit FakeScreen(QSize size = QSize(1920, 1080), double dpi = 96.0) : size(size), dpi(dpi) {}
    QSize sizePixels() const override { return size; }
    double logicalDpi() const override { return dpi; }

    QSize size;
    double dpi;
};

} // namespace platform
