#pragma once

#include <deque>
#include <vector>

#include "platform/MessageBoxes.h"

// Answers message boxes instead of a user while it lives, and records what they said. Answers
// are taken from the queue given; once it is empty, every box gets Ok or No.
class CMessageRecorder : public CMessageBoxes {
public:
    struct SMessage {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };

    explicit CMessageRecorder(std::deque<Answer> answers = {});
    ~CMessageRecorder() override;
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    Answer Show(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                Buttons buttons) override;

    const std::vector<SMessage>& Messages() const { return m_messages; }
    // The texts of the boxes shown, in order.
    std::vector<QString> Texts() const;
    void Clear() { m_messages.clear(); }

private:
    std::deque<Answer> m_answers;
    std::vector<SMessage> m_messages;
};
