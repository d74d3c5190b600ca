#include "platform/fakes/FakePlatform.h"

#include "platform/fakes/LoopbackDownloader.h"

std::unique_ptr<platform::Platform> makeFakePlatform(QString programDir,
                                                     FakePlatformHandles* handles) {
    using namespace platform;
    auto p = std::make_unique<Platform>();
    p->messages = std::make_unique<FakeMessageBoxes>();
    p->fileDialogs = std::make_unique<FakeFileDialogs>();
    p->clock = std::make_unique<FakeClock>();
    p->screen = std::make_unique<FakeScreen>();
    p->downloader = std::make_unique<LoopbackDownloader>(p->ending.get());
    p->connectivity = std::make_unique<FakeConnectivity>();
    p->shell = std::make_unique<FakeShell>();
    p->windows = std::make_unique<FakeWindowSystem>();
    p->screenSaver = std::make_unique<FakeScreenSaver>();
    p->programDir = std::move(programDir);
    if (handles)
        *handles = fakeHandles(*p);
    return p;
}

FakePlatformHandles fakeHandles(const platform::Platform& p) {
    using namespace platform;
    return {dynamic_cast<FakeMessageBoxes*>(p.messages.get()),
            dynamic_cast<FakeFileDialogs*>(p.fileDialogs.get()),
            dynamic_cast<FakeClock*>(p.clock.get()),
            dynamic_cast<FakeScreen*>(p.screen.get()),
            dynamic_cast<FakeConnectivity*>(p.connectivity.get()),
            dynamic_cast<FakeShell*>(p.shell.get()),
            dynamic_cast<FakeWindowSystem*>(p.windows.get()),
            dynamic_cast<FakeScreenSaver*>(p.screenSaver.get()),
            dynamic_cast<LoopbackDownloader*>(p.downloader.get())};
}
