#pragma once
// Opening documents and addresses with the desktop, and starting other programs.

#include <QString>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens `target` (a web address or a file) with its associated application. Returns a
    // result code in the sense of the classic shell service: above 32 on success, 0..32 an
    // error code (2 file not found, 3 path not found, 31 no associated application, ...).
    virtual int openDocument(const QString& target) = 0;
    // Starts `program` without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& program, bool minimized) = 0;
};

} // namespace platform
