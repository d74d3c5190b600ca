#pragma once
// The file-open dialog of Qt.

#include "platform/FileDialogs.h"

namespace platform {

class QtFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(const QString& title, const QString& directory,
                            const QString& filter) override;
};

} // namespace platform
