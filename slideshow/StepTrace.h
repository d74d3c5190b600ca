#pragma once
// With NIMBRISCO_TRACE set in the environment, one line on stderr per picture the slideshow
// shows, so that an operator or a test can see from outside that the show goes on.

#include "base/VbTypes.h"

struct AppState;

namespace steptrace {

void pictureShown(const AppState& state, Integer slot);

} // namespace steptrace
