#pragma once
// A shell that records what the program opens and starts, and answers with scripted results.

#include "platform/Shell.h"

#include <vector>

namespace platform {

class FakeShell : public Shell {
public:
    struct Start {
        QString program;
        bool minimized = false;
    };

    int openDocument(const QString& target) override {
        opened.push_back(target);
        return openResult;
    }
    bool startProgram(const QString& program, bool minimized) override {
        started.push_back({program, minimized});
        return startResult;
    }

    std::vector<QString> opened;
    std::vector<Start> started;
    // A classic success code by default.
    int openResult = 33;
    bool startResult = true;
};

} // namespace platform
