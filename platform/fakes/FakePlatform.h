#pragma once
// A platform for tests: fakes wherever a person or the real screen would be needed, the real
// downloader held to loopback (tests serve it there).

#include "platform/Platform.h"
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeConnectivity.h"
#include "platform/fakes/FakeFileDialogs.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeScreen.h"
#include "platform/fakes/FakeScreenSaver.h"
#include "platform/fakes/FakeShell.h"
#include "platform/fakes/FakeWindowSystem.h"
#include "platform/fakes/LoopbackDownloader.h"

#include <memory>

// The fakes inside a platform made by makeFakePlatform, to script and inspect them after the
// platform has been handed over.
struct FakePlatformHandles {
    platform::FakeMessageBoxes* messages = nullptr;
    platform::FakeFileDialogs* fileDialogs = nullptr;
    platform::FakeClock* clock = nullptr;
    platform::FakeScreen* screen = nullptr;
    platform::FakeConnectivity* connectivity = nullptr;
    platform::FakeShell* shell = nullptr;
    platform::FakeWindowSystem* windows = nullptr;
    platform::FakeScreenSaver* screenSaver = nullptr;
    platform::LoopbackDownloader* downloader = nullptr;
};

// `programDir` becomes Platform::programDir. When `handles` is given it receives the fakes.
std::unique_ptr<platform::Platform> makeFakePlatform(QString programDir,
                                                     FakePlatformHandles* handles = nullptr);

// The fakes of a platform made by makeFakePlatform (null members for services that are not
// fakes).
FakePlatformHandles fakeHandles(const platform::Platform& p);
