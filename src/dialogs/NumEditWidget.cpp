#include "dialogs/NumEditWidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

#include "dialogs/QtText.h"

namespace balsar::dialogs {

NumEditWidget::NumEditWidget(MessageSink& sink, QWidget* parent) : QLineEdit(parent), m_sink(sink) { Show(); }

void NumEditWidget::SetBase(int32_t base) {
    const int64_t value = m_edit.Value();
    m_edit.SetBase(base);
    m_edit.SetValue(value);
    Show();
}

void NumEditWidget::SetRange(int64_t minimum, int64_t maximum) {
    const int64_t value = m_edit.Value();
    m_edit.SetRange(minimum, maximum);
    m_edit.SetValue(value);
    Show();
}

void NumEditWidget::SetValue(int64_t value) {
    m_edit.SetValue(value);
    Show();
}

bool NumEditWidget::Step(int64_t amount) {
    if (!m_edit.Step(amount)) {
        return false;
    }
    Show();
    emit valueEdited(m_edit.Value());
    return true;
}

void NumEditWidget::Show() {
    if (text() != Q(m_edit.Text())) {
        setText(Q(m_edit.Text()));
    }
}

void NumEditWidget::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (character && (typed[0].unicode() > 0x7F || !CNumEdit::AcceptsKey(m_edit.Base(), typed[0].toLatin1()))) {
        event->accept();
        return;
    }
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    const QString after = text();
    if (after == before) {
        return;
    }
    if (!m_edit.ApplyKeystrokeText(S(after), m_sink)) {
        setText(before);
        selectAll();
        setFocus();
        return;
    }
    const int cursor = cursorPosition();
    setText(Q(m_edit.Text()));
    setCursorPosition(cursor);
    emit valueEdited(m_edit.Value());
}

NumSpinWidget::NumSpinWidget(MessageSink& sink, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_edit = new NumEditWidget(sink, this);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    layout->addWidget(m_edit, 1);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, m_edit, [this] { m_edit->Step(1); });
    connect(down, &QToolButton::clicked, m_edit, [this] { m_edit->Step(-1); });
    m_up = up;
    m_down = down;
}

void NumSpinWidget::setEnabled(bool on) {
    m_edit->setEnabled(on);
    m_up->setEnabled(on);
    m_down->setEnabled(on);
}

} // namespace balsar::dialogs
