#pragma once
// How core code tells the user something. The designer shows a message box,
// the command-line tools print to stderr, tests record.
#include <string>
#include <vector>

namespace balsar {

enum class MessageKind { Info, Warning, Error };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Message(const std::string& text, MessageKind kind = MessageKind::Error,
                         const std::string& caption = {}) = 0;
};

// Prints "caption: text" lines to stderr.
class StderrMessageSink : public MessageSink {
public:
    void Message(const std::string& text, MessageKind kind = MessageKind::Error,
                 const std::string& caption = {}) override;
};

// Keeps every message, for tests and for callers that report later.
class RecordingMessageSink : public MessageSink {
public:
    struct Entry {
        std::string text;
        MessageKind kind;
        std::string caption;
    };
    void Message(const std::string& text, MessageKind kind = MessageKind::Error,
                 const std::string& caption = {}) override;
    const std::vector<Entry>& Entries() const { return m_entries; }
    std::vector<std::string> Texts() const;
    bool Contains(const std::string& text) const;
    void Clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
};

} // namespace balsar
