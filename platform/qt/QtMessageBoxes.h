#pragma once
// Message boxes shown with QMessageBox, parented to the active window so they stay on top of it.
// Nobody may be at a wall screen: an OK box closes by itself after a while, as if OK had been
// pressed, and once the run is ending every open box closes and no new one is shown.

#include "platform/MessageBoxes.h"

namespace platform {

class Ending;

class QtMessageBoxes : public MessageBoxes {
public:
    static constexpr int kAutoCloseMs = 30000;

    explicit QtMessageBoxes(const Ending* ending = nullptr, int autoCloseMs = kAutoCloseMs)
        : ending_(ending), autoCloseMs_(autoCloseMs) {}

    void showMessage(const QString& text, const QString& title, MsgIcon icon) override;
    // A question waits for its answer (only a person's click raises one); the end answers No.
    bool askYesNo(const QString& text, const QString& title, MsgIcon icon) override;
    bool askYesNoWithin(const QString& text, int boundMs, const QString& title,
                        MsgIcon icon) override;
    void beep() override;

private:
    const Ending* ending_;
    int autoCloseMs_;
};

} // namespace platform
