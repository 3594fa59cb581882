#include "base/Prompt.h"

namespace balsar {

namespace {

// Maps an answer onto the buttons actually offered.
Answer Fit(Answer answer, Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return (answer == Answer::Yes || answer == Answer::Ok) ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        return (answer == Answer::Yes || answer == Answer::Ok) ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return answer == Answer::Ok ? Answer::Yes : answer;
    }
    return answer;
}

} // namespace

Answer FixedPrompt::Ask(const std::string&, Buttons buttons, const std::string&) { return Fit(m_answer, buttons); }

Answer RecordingPrompt::Ask(const std::string& text, Buttons buttons, const std::string& caption) {
    m_questions.push_back({text, buttons, caption});
    Answer answer = Answer::Cancel;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    return Fit(answer, buttons);
}

} // namespace balsar
