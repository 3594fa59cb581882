#pragma once
// Messages of the core printed to a command's error stream.
#include <ostream>
#include <string>

#include "base/MessageSink.h"

namespace balsar {

class StreamSink : public MessageSink {
public:
    explicit StreamSink(std::ostream& err) : m_err(err) {}
    void Message(const std::string& text, MessageKind, const std::string& caption) override {
        m_err << (caption.empty() ? "" : caption + ": ") << text << '\n';
    }

private:
    std::ostream& m_err;
};

} // namespace balsar
