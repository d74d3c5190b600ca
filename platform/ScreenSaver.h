#pragma once
// Holds off the screen saver and the display's power saving while the slideshow is on screen.

namespace platform {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // Takes the hold; true while it is in force. Holding again changes nothing. Where the desktop
    // offers no way to hold the screen saver off, this is said once and false returned: the show
    // goes on, only the screen may blank.
    virtual bool hold() = 0;
    // Gives the hold back; without one it does nothing.
    virtual void release() = 0;
    virtual bool isHeld() const = 0;
};

} // namespace platform
