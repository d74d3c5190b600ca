#pragma once
// The desktop's "open" and detached program start.

#include "platform/Shell.h"

namespace platform {

class QtShell : public Shell {
public:
    // Result codes in the classic sense.
    static constexpr int kOpened = 33;
    static constexpr int kFileNotFound = 2;
    static constexpr int kNoAssociation = 31;

    int openDocument(const QString& target) override;
    // `minimized` cannot be asked of the window manager for another process; it is ignored.
    bool startProgram(const QString& program, bool minimized) override;
};

// Whether `target` names a web (or other scheme) address rather than a local file.
bool looksLikeUrl(const QString& target);

} // namespace platform
