#pragma once
// The environment the browser engine reads when it starts: set before the application object
// is made, by the program and by the test programs alike.

#include <QByteArray>
#include <QtGlobal>
#include <unistd.h>

namespace platform {

// The engine refuses to start its sandbox as root, so it runs without one there. Without the
// sandbox its zygote processes only serve to fork render processes: they are left out, so that
// nothing of the engine outlives a pass's last page.
inline void prepareBrowserEngine() {
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        return;
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--no-zygote"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --no-zygote").trimmed());
}

} // namespace platform
