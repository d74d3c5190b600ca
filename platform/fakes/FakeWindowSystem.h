#pragma once
// Records the window-manager requests instead of making them.

#include "platform/WindowSystem.h"

#include <vector>

namespace platform {

class FakeWindowSystem : public WindowSystem {
public:
    struct OnTop {
        QWidget* window = nullptr;
        bool onTop = false;
    };

    void setAlwaysOnTop(QWidget* window, bool onTop) override {
        onTopRequests.push_back({window, onTop});
    }
    int closeBrowserFrames() override {
        ++closeBrowserFramesCalls;
        return 0;
    }

    std::vector<OnTop> onTopRequests;
    int closeBrowserFramesCalls = 0;
};

} // namespace platform
