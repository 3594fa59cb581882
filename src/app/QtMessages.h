#pragma once
// Messages and questions of the core shown as message boxes.
#include <QPointer>
#include <QWidget>

#include "base/MessageSink.h"
#include "base/Prompt.h"

namespace balsar::app {

class QtMessageSink : public MessageSink {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    void Message(const std::string& text, MessageKind kind = MessageKind::Error,
                 const std::string& caption = {}) override;

private:
    QPointer<QWidget> m_parent;
};

class QtPrompt : public Prompt {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    Answer Ask(const std::string& text, Buttons buttons, const std::string& caption = {}) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace balsar::app
