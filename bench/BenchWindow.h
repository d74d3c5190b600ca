#pragma once
// The window the benchmarks drive: on the fake platform (no dialogs, waits without real time),
// in a temporary portable root after a first run, talking to the demo catalogue served in this
// process on a free loopback port. Its timers are stopped: a benchmark runs the steps itself.

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "RequestLog.h"

#include <QTemporaryDir>
#include <memory>

class FormPicture;
namespace platform {
struct Platform;
}

class BenchWindow {
public:
    // Sets the environment the window needs without a display; before the QApplication.
    static void prepareEnvironment();

    BenchWindow();
    ~BenchWindow();

    // False, with the reason on stderr, when the catalogue or the service cannot be had.
    bool start();
    FormPicture& form() { return *form_; }
    const catalogueservice::Catalogue& catalogue() const { return catalogue_; }
    // Stops the window's timers again (a step or an opening may have started them).
    void stopTimers();

private:
    catalogueservice::Catalogue catalogue_;
    catalogueservice::RequestLog log_;
    std::unique_ptr<catalogueservice::CatalogueServer> service_;
    QTemporaryDir root_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<FormPicture> form_;
};
