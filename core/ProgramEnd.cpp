#include "core/ProgramEnd.h"

#include "core/FormPicture.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace programend {

void stopTimers(FormPicture& form) {
    for (QTimer* t : {&form.parts().timers.generalClock, &form.parts().timers.utilityTmr,
                      &form.parts().timers.panControl, &form.parts().timers.imgClock,
                      &form.parts().timers.Timer4000})
        t->stop();
}

void closeWindow(FormPicture& form) {
    form.state.ExitToProgram = kTrue;
    stopTimers(form);
    // Closing the last window would otherwise post the application's quit at once, and the
    // end message shown after the close would vanish with it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    form.close();
}

void quitEventLoop() {
    QCoreApplication::quit();
}

void endNow(FormPicture& form) {
    form.platform().ending->request();
    closeWindow(form);
    quitEventLoop();
}

} // namespace programend
