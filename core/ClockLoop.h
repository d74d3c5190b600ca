#pragma once
// The general clock, the utility timer and the one-shot delay timer: the connection wait at
// start-up, the start logo and the progress text.

#include "core/VbTypes.h"

class FormPicture;

class ClockLoop {
public:
    explicit ClockLoop(FormPicture& form);

    void generalClock_Timer();
    void utilityTmr_Timer();
    void Timer4000_Timer();
    void connActive(Boolean& connected);

    Integer probePhase = 0;

private:
    FormPicture& form_;
};
