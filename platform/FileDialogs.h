#pragma once
// The file-open dialog.

#include <QString>

namespace platform {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Returns the chosen file's full path, or an empty text when the user cancels.
    // `filter` uses Qt's syntax, e.g. "Pictures (*.jpg *.gif)".
    virtual QString getOpenFileName(const QString& title, const QString& directory,
                                    const QString& filter) = 0;
};

} // namespace platform
