#include "slideshow/StepTrace.h"

#include "core/AppState.h"

#include <cstdio>
#include <cstdlib>

namespace steptrace {

void pictureShown(const AppState& state, Integer slot) {
    static const bool enabled = std::getenv("NIMBRISCO_TRACE") != nullptr;
    if (!enabled)
        return;
    std::fprintf(stderr, "nimbrisco: picture shown: slot %d of %d, kind %d\n", int(slot),
                 int(state.pictureCount), int(state.listPictureKind[slot]));
    std::fflush(stderr);
}

} // namespace steptrace
