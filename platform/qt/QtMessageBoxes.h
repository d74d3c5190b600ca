#pragma once
// Message boxes shown with QMessageBox, parented to the active window so they stay on top of it.

#include "platform/MessageBoxes.h"

namespace platform {

class QtMessageBoxes : public MessageBoxes {
public:
    void showMessage(const QString& text, const QString& title, MsgIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MsgIcon icon) override;
    void beep() override;
};

} // namespace platform
