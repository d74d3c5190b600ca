#include "slideshow/StepTrace.h"

#include "base/AppState.h"
#include "platform/Trace.h"

namespace steptrace {

void pictureShown(const AppState& state, Integer slot) {
    platform::trace(QStringLiteral("picture shown: slot %1 of %2, kind %3")
                        .arg(slot)
                        .arg(state.pictureCount)
                        .arg(state.listPictureKind[slot]));
}

} // namespace steptrace
