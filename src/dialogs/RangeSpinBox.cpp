#include "dialogs/RangeSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <limits>

#include "base/MessageSink.h"
#include "elements/ElementStrings.h"
#include "elements/RegisterFormat.h"

namespace balsar::dialogs {

bool TypedNumberCanReach(qint64 value, qint64 lowest, qint64 largest) {
    if (value >= lowest && value <= largest) {
        return true;
    }
    if (value == 0) {
        return false;
    }
    // More digits move a positive number up and a negative one down, each
    // digit spanning the next power of ten.
    const bool up = value > 0;
    if (up ? value > largest : value < lowest) {
        return false;
    }
    qint64 first = value;
    qint64 span = 1;
    while (up ? first <= largest : first >= lowest) {
        if (__builtin_mul_overflow(first, 10, &first) || __builtin_mul_overflow(span, 10, &span)) {
            return false;
        }
        qint64 last = 0;
        if (up ? __builtin_add_overflow(first, span - 1, &last) : __builtin_sub_overflow(first, span - 1, &last)) {
            last = up ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
        }
        const qint64 low = up ? first : last;
        const qint64 high = up ? last : first;
        if (high >= lowest && low <= largest) {
            return true;
        }
    }
    return false;
}

RangeSpinBox::RangeSpinBox(QWidget* parent) : QSpinBox(parent) {}

QValidator::State RangeSpinBox::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state == QValidator::Invalid) {
        bool number = false;
        const qint64 value = input.trimmed().toLongLong(&number);
        if (number && !TypedNumberCanReach(value, minimum(), maximum())) {
            m_refusedTyped = true;
        }
    }
    return state;
}

bool RangeSpinBox::TakeTypedText() {
    bool number = false;
    const qint64 typed = cleanText().trimmed().toLongLong(&number);
    if (!number || (typed >= minimum() && typed <= maximum())) {
        return true;
    }
    Restore();
    SayRange();
    return false;
}

void RangeSpinBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !TakeTypedText()) {
        // Enter would finish the edit with the old value and may close the
        // dialog: the refusal is said and the dialog stays.
        event->accept();
        return;
    }
    m_refusedTyped = false;
    QSpinBox::keyPressEvent(event);
    if (m_refusedTyped) {
        m_refusedTyped = false;
        Restore();
        SayRange();
        return;
    }
    bool number = false;
    const qint64 typed = cleanText().trimmed().toLongLong(&number);
    if (number && !TypedNumberCanReach(typed, minimum(), maximum())) {
        Restore();
        SayRange();
    }
}

void RangeSpinBox::focusOutEvent(QFocusEvent* event) {
    bool number = false;
    const qint64 typed = cleanText().trimmed().toLongLong(&number);
    if (number && (typed < minimum() || typed > maximum())) {
        Restore();
        // Said once the focus has moved on: a message box opened inside the
        // focus change would take the click that moved it.
        QTimer::singleShot(0, this, &RangeSpinBox::SayRange);
    }
    QSpinBox::focusOutEvent(event);
}

void RangeSpinBox::Restore() {
    setValue(value());
    selectAll();
}

void RangeSpinBox::SayRange() {
    if (m_sink != nullptr) {
        m_sink->Message(OutOfRangeText({static_cast<double>(minimum()), static_cast<double>(maximum()), 0}),
                        MessageKind::Warning, strings::kInputOutOfRangeCaption);
    }
}

} // namespace balsar::dialogs
