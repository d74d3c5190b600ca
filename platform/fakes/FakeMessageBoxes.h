#pragma once
// Message boxes that record what the program shows and answer Yes/No questions from a script.

#include "platform/MessageBoxes.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace platform {

struct RecordedMessage {
    enum class Kind { Ok, YesNo };
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    Kind kind = Kind::Ok;
    // The answer given to a Yes/No question (false for an OK box).
    bool answer = false;
    // The bound of a question that answers No by itself; 0 for one that waits.
    int boundMs = 0;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    void showMessage(const QString& text, const QString& title, MsgIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MsgIcon icon) override;
    bool askYesNoWithin(const QString& text, int boundMs, const QString& title,
                        MsgIcon icon) override;
    void beep() override { ++beeps; }

    // The next Yes/No questions get these answers in order, then `defaultAnswer`.
    void queueAnswers(std::initializer_list<bool> answers);

    QStringList texts() const;
    const RecordedMessage& last() const { return shown.back(); }
    void clear();

    std::vector<RecordedMessage> shown;
    std::deque<bool> answers;
    // No, so that an unexpected question never confirms a destructive action.
    bool defaultAnswer = false;
    int beeps = 0;
    // Called for every box while it is "open", e.g. to act as the user would meanwhile.
    std::function<void(const RecordedMessage&)> onShow;
};

} // namespace platform
