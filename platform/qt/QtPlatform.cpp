#include "platform/Platform.h"

#include "platform/qt/QtClock.h"
#include "platform/qt/QtConnectivity.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtHttpControl.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtScreenSaver.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtUrlDownloader.h"
#include "platform/qt/QtWindowSystem.h"

#include <QCoreApplication>

namespace platform {

std::unique_ptr<Platform> makeQtPlatform() {
    auto p = std::make_unique<Platform>();
    const Ending* ending = p->ending.get();
    p->messages = std::make_unique<QtMessageBoxes>(ending);
    p->fileDialogs = std::make_unique<QtFileDialogs>();
    p->clock = std::make_unique<QtClock>(ending);
    p->screen = std::make_unique<QtScreen>();
    p->downloader = std::make_unique<QtUrlDownloader>(QtUrlDownloader::kDefaultTimeoutMs,
                                                      QtUrlDownloader::kDefaultMaxBytes, ending);
    p->connectivity = std::make_unique<QtConnectivity>();
    p->shell = std::make_unique<QtShell>();
    p->windows = std::make_unique<QtWindowSystem>();
    p->screenSaver = makeQtScreenSaver();
    p->programDir = QCoreApplication::applicationDirPath();
    return p;
}

HttpControl* makeQtHttpControl(QObject* parent, const Ending* ending) {
    return new QtHttpControl(parent, ending);
}

} // namespace platform
