#include "core/ClockLoop.h"

ClockLoop::ClockLoop(FormPicture& form) : form_(form) {}
void ClockLoop::generalClock_Timer() {}
void ClockLoop::utilityTmr_Timer() {}
void ClockLoop::Timer4000_Timer() {}
void ClockLoop::connActive(Boolean& connected) {
    connected = kFalse;
}
