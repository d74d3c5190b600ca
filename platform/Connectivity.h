#pragma once
// Whether the machine has a network connection at all.

namespace platform {

class Connectivity {
public:
    virtual ~Connectivity() = default;
    virtual bool isConnected() = 0;
};

} // namespace platform
