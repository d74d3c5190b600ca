#pragma once
// The connection test: the system's reachability report, else the state of the interfaces.

#include "platform/Connectivity.h"

namespace platform {

class QtConnectivity : public Connectivity {
public:
    bool isConnected() override;
};

// True when some interface other than loopback is up and running.
bool anyNetworkInterfaceUp();

} // namespace platform
