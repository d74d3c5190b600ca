#pragma once
// A connection test whose answer the test sets.

#include "platform/Connectivity.h"

namespace platform {

class FakeConnectivity : public Connectivity {
public:
    bool isConnected() override {
        ++checks;
        return connected;
    }

    bool connected = true;
    int checks = 0;
};

} // namespace platform
