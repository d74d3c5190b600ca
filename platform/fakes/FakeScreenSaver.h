#pragma once
// A screen-saver hold that records what the program asked for; `available` false plays a desktop
// without the interface.

#include "platform/ScreenSaver.h"

namespace platform {

class FakeScreenSaver : public ScreenSaver {
public:
    bool hold() override {
        if (held_)
            return true;
        ++holdsTaken;
        held_ = available;
        return held_;
    }
    void release() override {
        if (held_)
            ++releases;
        held_ = false;
    }
    bool isHeld() const override { return held_; }

    bool available = true;
    int holdsTaken = 0;
    int releases = 0;

private:
    bool held_ = false;
};

} // namespace platform
