#pragma once
// Opening documents and web pages with the desktop, and the remote-help program.

#include "base/VbTypes.h"

#include <QString>

struct AppState;
namespace platform {
struct Platform;
}

// The error a failed shell open reports.
struct ShellError {
    qint32 number = 0;
    QString message;
    QString source;
};

// The error of a shell result code 0..32; any other code is success.
ShellError shellErrorOf(int resultCode);
bool shellSucceeded(int resultCode);

class ShellActions {
public:
    ShellActions(AppState& state, platform::Platform& platform)
        : state_(state), platform_(platform) {}

    // Opens `document` with the operation "open"; on failure `error` tells why.
    Boolean ShellOpen(const QString& document, ShellError* error = nullptr);
    void RunTeamViewer_Click();

private:
    AppState& state_;
    platform::Platform& platform_;
};
