#include "base/MessageSink.h"

#include <algorithm>
#include <iostream>

namespace balsar {

void StderrMessageSink::Message(const std::string& text, MessageKind kind, const std::string& caption) {
    const char* label = kind == MessageKind::Error ? "error" : kind == MessageKind::Warning ? "warning" : "info";
    std::cerr << (caption.empty() ? label : caption) << ": " << text << '\n';
}

void RecordingMessageSink::Message(const std::string& text, MessageKind kind, const std::string& caption) {
    m_entries.push_back({text, kind, caption});
}

std::vector<std::string> RecordingMessageSink::Texts() const {
    std::vector<std::string> texts;
    for (const auto& e : m_entries) {
        texts.push_back(e.text);
    }
    return texts;
}

bool RecordingMessageSink::Contains(const std::string& text) const {
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.text == text; });
}

} // namespace balsar
