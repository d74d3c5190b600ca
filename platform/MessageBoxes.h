#pragma once
// Modal message boxes and the system beep.

#include <QString>

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };

// The title every box bears unless a message names its own.
inline const QString kAppTitle = QStringLiteral("Nimbrisco");

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button; returns when it is closed. On the running program it
    // closes by itself after a while, so that nothing waits for a person at a wall screen.
    virtual void showMessage(const QString& text, const QString& title = kAppTitle,
                             MsgIcon icon = MsgIcon::None) = 0;
    // A modal Yes/No question; true when the user answers Yes. It waits for the answer.
    virtual bool askYesNo(const QString& text, const QString& title = kAppTitle,
                          MsgIcon icon = MsgIcon::Question) = 0;
    // A Yes/No question for a path nobody may be at the screen for: unanswered after `boundMs`
    // it closes by itself and answers No.
    virtual bool askYesNoWithin(const QString& text, int boundMs, const QString& title = kAppTitle,
                                MsgIcon icon = MsgIcon::Question) = 0;
    virtual void beep() = 0;
};

} // namespace platform
