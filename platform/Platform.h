#pragma once
// The services the program takes from the system, bundled so the window gets them in one piece.
// The running program uses the Qt implementations; tests swap in fakes where a person or the
// real screen would be needed.

#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/Ending.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/ScreenSaver.h"
#include "platform/Shell.h"
#include "platform/UrlDownloader.h"
#include "platform/WindowSystem.h"

#include <QString>
#include <memory>

class QObject;

namespace platform {

class HttpControl;

struct Platform {
    // First, so that it outlives the services that watch it.
    std::unique_ptr<Ending> ending = std::make_unique<Ending>();
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Screen> screen;
    std::unique_ptr<UrlDownloader> downloader;
    std::unique_ptr<Connectivity> connectivity;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<WindowSystem> windows;
    // Holds the screen saver off while the slideshow is on screen.
    std::unique_ptr<ScreenSaver> screenSaver;
    // The directory the program file lives in.
    QString programDir;

    Units units() const { return Units(screen->logicalDpi()); }
    // The screen's size in twips.
    int screenWidthTwips() const { return units().pixelsToTwips(screen->sizePixels().width()); }
    int screenHeightTwips() const { return units().pixelsToTwips(screen->sizePixels().height()); }
    // True once the run is ending: waits, requests and passes stop at once.
    bool endingRequested() const { return ending->requested(); }
};

// The services of the running program.
std::unique_ptr<Platform> makeQtPlatform();
// The HTTP control of the running program (tests use it too, against loopback servers).
HttpControl* makeQtHttpControl(QObject* parent, const Ending* ending);

} // namespace platform
