#pragma once
// The primary screen as Qt reports it.

#include "platform/Screen.h"

namespace platform {

class QtScreen : public Screen {
public:
    QSize sizePixels() const override;
    double logicalDpi() const override;
};

} // namespace platform
