#pragma once
// The end of the program. The window closes first and the event loop ends only when the
// running handler has finished, so that a message after the close still reaches the user.

struct Window;

namespace programend {

// Stops the five timers, so that no new step, tick or pass begins, and lets the screen saver
// have the screen again.
void stopShow(Window& window);
// Marks the program as ending, stops the timers and sends the window its close request.
void closeWindow(Window& window);
// Ends the event loop, nested waits included, once control returns to it.
void quitEventLoop();
// The end without a word (the bar's exit button, the fatal failures): every wait and request
// in flight stops, the window closes and the event loop ends.
void endNow(Window& window);

} // namespace programend
