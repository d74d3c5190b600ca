#pragma once
// The window's five timers, one per named timer of the program.

#include <QTimer>

struct Timers {
    QTimer generalClock; // connection indicator and the connection wait
    QTimer utilityTmr;   // start logo, panel-control release, progress text
    QTimer panControl;   // acts on the command state
    QTimer imgClock;     // one slideshow step per tick
    QTimer Timer4000;    // the one-shot delay of a page render
};
