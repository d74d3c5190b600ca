#pragma once
// A file-open dialog that records its calls and returns a scripted choice.

#include "platform/FileDialogs.h"

#include <vector>

namespace platform {

class FakeFileDialogs : public FileDialogs {
public:
    struct Call {
        QString title;
        QString directory;
        QString filter;
    };

    QString getOpenFileName(const QString& title, const QString& directory,
                            const QString& filter) override {
        calls.push_back({title, directory, filter});
        return answer;
    }

    // The path every call returns; empty acts as Cancel.
    QString answer;
    std::vector<Call> calls;
};

} // namespace platform
