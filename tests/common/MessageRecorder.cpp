#include "MessageRecorder.h"

CMessageRecorder::CMessageRecorder(std::deque<Answer> answers) : m_answers(std::move(answers)) {
    Install(this);
}

CMessageRecorder::~CMessageRecorder() {
    Install(nullptr);
}

CMessageBoxes::Answer CMessageRecorder::Show(QWidget*, const QString& text, const QString& caption, Icon icon,
                                             Buttons buttons) {
    m_messages.push_back({text, caption, icon, buttons});
    if (!m_answers.empty()) {
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

std::vector<QString> CMessageRecorder::Texts() const {
    std::vector<QString> texts;
    for (const SMessage& message : m_messages) {
        texts.push_back(message.text);
    }
    return texts;
}
