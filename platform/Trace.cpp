#include "platform/Trace.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void trace(const QString& line) {
    static const bool enabled = std::getenv("NIMBRISCO_TRACE") != nullptr;
    if (!enabled)
        return;
    std::fprintf(stderr, "nimbrisco: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace platform
