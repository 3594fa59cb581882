#pragma once
// Questions to the user. The designer asks with a message box, the
// command-line tools answer with a fixed policy, tests script the answers.
#include <deque>
#include <string>
#include <vector>

namespace balsar {

enum class Answer { Yes, No, Cancel, Ok };

enum class Buttons { YesNo, YesNoCancel, OkCancel };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Ask(const std::string& text, Buttons buttons, const std::string& caption = {}) = 0;
};

// Always gives the same answer (the command-line tools use Yes or No).
class FixedPrompt : public Prompt {
public:
    explicit FixedPrompt(Answer answer) : m_answer(answer) {}
    Answer Ask(const std::string& text, Buttons buttons, const std::string& caption = {}) override;

private:
    Answer m_answer;
};

// Answers from a script and records every question. An unscripted question
// is answered with Cancel (or No where Cancel is not offered).
class RecordingPrompt : public Prompt {
public:
    struct Question {
        std::string text;
        Buttons buttons;
        std::string caption;
    };
    void Script(Answer answer) { m_answers.push_back(answer); }
    Answer Ask(const std::string& text, Buttons buttons, const std::string& caption = {}) override;
    const std::vector<Question>& Questions() const { return m_questions; }

private:
    std::deque<Answer> m_answers;
    std::vector<Question> m_questions;
};

} // namespace balsar
