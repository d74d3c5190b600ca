#pragma once
// When the slideshow runs its periodic download pass: every step adds the slide seconds to a
// counter, and a pass runs once the counter exceeds the download minutes times 30.

#include "base/VbTypes.h"

#include <QString>

namespace downloadlimit {

// The counter value above which a pass runs, for the download minutes in `minutesText`. The
// product goes through its text form and back, as the program always computed it, and stays
// below the counter's top, so that a counter can always get above it.
double limit(const QString& minutesText);

// `counter` plus the slide seconds of `slideSecondsText`, kept within the counter's width.
Long advance(Long counter, const QString& slideSecondsText);

// A counter this far above the limit of `minutesText`: the next step runs a pass.
Long aboveLimit(const QString& minutesText, double margin);

// True when a counter this high calls for a download pass.
bool passDue(Long counter, const QString& minutesText);

} // namespace downloadlimit
