#pragma once
// A spin box that says which values it takes. A typed number outside its
// range is refused with "输入越界,可输入范围 ( lowest-largest )" instead of
// the keystroke vanishing or the old value coming back without a word:
// at once when no further digit can bring it into the range, else when the
// edit is finished (Enter keeps the dialog open, focus-out puts the value
// back and says why).
#include <QSpinBox>

namespace balsar {
class MessageSink;
}

namespace balsar::dialogs {

class RangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit RangeSpinBox(QWidget* parent = nullptr);
    // Where refusals are said; without a sink they are only undone.
    void SetMessageSink(MessageSink* sink) { m_sink = sink; }
    // Checks the typed text: a number outside the range is refused (the
    // value shown before comes back, selected, and the range is said).
    // False when refused.
    bool TakeTypedText();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Puts the current value back and selects it.
    void Restore();
    void SayRange();

    MessageSink* m_sink = nullptr;
    // Set by validate when a keystroke would give a number no further digit
    // brings into the range.
    mutable bool m_refusedTyped = false;
};

// True when value, or a number made by typing more digits after it, lies
// in [lowest, largest]. A typed 0 is final: nobody types leading zeros.
bool TypedNumberCanReach(qint64 value, qint64 lowest, qint64 largest);

} // namespace balsar::dialogs
