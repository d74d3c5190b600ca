#pragma once
// Window-manager services through Qt's window flags.

#include "platform/WindowSystem.h"

namespace platform {

class QtWindowSystem : public WindowSystem {
public:
    void setAlwaysOnTop(QWidget* window, bool onTop) override;
    int closeBrowserFrames() override { return 0; }
};

} // namespace platform
