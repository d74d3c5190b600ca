#include "platform/fakes/FakeMessageBoxes.h"

namespace platform {

void FakeMessageBoxes::showMessage(const QString& text, const QString& title, MsgIcon icon) {
    shown.push_back({text, title, icon, RecordedMessage::Kind::Ok, false, 0});
    if (onShow)
        onShow(shown.back());
}

bool FakeMessageBoxes::askYesNo(const QString& text, const QString& title, MsgIcon icon) {
    return askYesNoWithin(text, 0, title, icon);
}

bool FakeMessageBoxes::askYesNoWithin(const QString& text, int boundMs, const QString& title,
                                      MsgIcon icon) {
    bool answer = defaultAnswer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    shown.push_back({text, title, icon, RecordedMessage::Kind::YesNo, answer, boundMs});
    if (onShow)
        onShow(shown.back());
    return answer;
}

void FakeMessageBoxes::queueAnswers(std::initializer_list<bool> list) {
    answers.insert(answers.end(), list.begin(), list.end());
}

QStringList FakeMessageBoxes::texts() const {
    QStringList result;
    for (const RecordedMessage& m : shown)
        result << m.text;
    return result;
}

void FakeMessageBoxes::clear() {
    shown.clear();
    answers.clear();
    beeps = 0;
}

} // namespace platform
