#pragma once
// The end of the program. The window closes first and the event loop ends only when the
// running handler has finished, so that a message after the close still reaches the user.

class FormPicture;

namespace programend {

// Marks the program as ending, stops the five timers and sends the window its close request.
void closeWindow(FormPicture& form);
// Ends the event loop, nested waits included, once control returns to it.
void quitEventLoop();
// Both at once: the end without a word (the bar's exit button, the fatal failures).
void endNow(FormPicture& form);

} // namespace programend
