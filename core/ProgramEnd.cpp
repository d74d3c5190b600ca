#include "core/ProgramEnd.h"

#include <QWidget>

#include "base/AppState.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "diagnostics/Diagnostics.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace programend {

void stopShow(Window& window) {
    for (QTimer* t : {&window.parts.timers.generalClock, &window.parts.timers.utilityTmr,
                      &window.parts.timers.panControl, &window.parts.timers.imgClock,
                      &window.parts.timers.Timer4000})
        t->stop();
    window.platform.screenSaver->release();
}

void closeWindow(Window& window) {
    window.state.ExitToProgram = kTrue;
    if (window.state.flagDebug == 1)
        window.parts.diagnostics->UnloadDisplayDebug();
    stopShow(window);
    // Closing the last window would otherwise post the application's quit at once, and the
    // end message shown after the close would vanish with it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    window.widget.close();
}

void quitEventLoop() {
    QCoreApplication::quit();
}

void endNow(Window& window) {
    window.platform.ending->request();
    closeWindow(window);
    quitEventLoop();
}

} // namespace programend
