#pragma once
// Window-manager services the program asks for.

class QWidget;

namespace platform {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual void setAlwaysOnTop(QWidget* window, bool onTop) = 0;
    // Asks every top-level window of another browser of class "IEFrame" to close. There are
    // no such windows on this system; returns how many were asked.
    virtual int closeBrowserFrames() = 0;
};

} // namespace platform
