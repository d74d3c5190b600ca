#pragma once
// Frames and messages the program places itself must stay wholly on the screen, also on small
// screens where the positions it computes from the panel's corner fall outside.

#include <QSize>

class QWidget;

namespace platform {

// Moves `w` (a child of the full-screen window) the least distance that puts it inside a
// screen of `screen` pixels; one larger than the screen is made to fit it.
void keepOnScreen(QWidget* w, QSize screen);

} // namespace platform
