// The nimbrisco program: one full-screen window that runs the slideshow.
#include "core/FormPicture.h"
#include "core/TerminationSignals.h"
#include "platform/BrowserEngineSetup.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv) {
    platform::prepareBrowserEngine();
    // The browser engine shares its drawing contexts with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrisco"));

    std::unique_ptr<platform::Platform> platform = platform::makeQtPlatform();
    platform->programDir = QApplication::applicationDirPath();

    // The command line as one text, the way the program reads its "-" separated switches.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    FormPicture form(*platform, commandLine);
    form.Form_Load();
    if (form.state.ExitToProgram != 0)
        return 1;
    // A wall screen is stopped from outside: the end then runs in order, without a word.
    TerminationSignals termination(form.window());
    if (!termination.install())
        qWarning("termination signals: %s", qPrintable(termination.errorString()));
    form.showFullScreen();
    return app.exec();
}
