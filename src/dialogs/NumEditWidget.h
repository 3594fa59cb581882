#pragma once
// The numeric edit box: a line edit bound to a number base and a 64-bit
// range. Keys outside the base's digits never reach the text; a keystroke
// whose result the rules refuse is undone, the old text selected entirely.
#include <QLineEdit>
#include <cstdint>

#include "editing/CNumEdit.h"

namespace balsar {
class MessageSink;
}

namespace balsar::dialogs {

class NumEditWidget : public QLineEdit {
    Q_OBJECT
public:
    NumEditWidget(MessageSink& sink, QWidget* parent = nullptr);

    void SetBase(int32_t base);
    void SetRange(int64_t minimum, int64_t maximum);
    // Clamps into the range and shows the value in the base.
    void SetValue(int64_t value);
    int64_t Value() const { return m_edit.Value(); }
    // The spin buttons: applied only when the result stays in the range.
    bool Step(int64_t amount);
    const CNumEdit& Rules() const { return m_edit; }

signals:
    // The text changed through a key or a step.
    void valueEdited(qint64 value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Show();

    MessageSink& m_sink;
    CNumEdit m_edit;
};

// A numeric edit with up and down buttons beside it.
class NumSpinWidget : public QWidget {
    Q_OBJECT
public:
    NumSpinWidget(MessageSink& sink, QWidget* parent = nullptr);
    NumEditWidget* Edit() const { return m_edit; }
    void setEnabled(bool on);

private:
    NumEditWidget* m_edit;
    QWidget* m_up;
    QWidget* m_down;
};

} // namespace balsar::dialogs
