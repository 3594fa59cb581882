#pragma once
// "事件与报警设置": one watched address, its trigger condition, the buzzer and
// the message of an event item.
#include <QDialog>
#include <functional>

#include "project/EventList.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace balsar {
class CMirloProject;
class DesignerSession;
class MessageSink;
} // namespace balsar

namespace balsar::dialogs {

class AddressPanelWidget;
class NumEditWidget;

class EventItemDialog : public QDialog {
    Q_OBJECT
public:
    // englishOnly: the list's size is "8(仅限英文)", messages take visible
    // ASCII characters only.
    EventItemDialog(const EventItem& item, const CMirloProject* project, const DesignerSession& session,
                    bool englishOnly, QWidget* parent = nullptr);

    // The OK checks in order: message, word values, limits, then the
    // check given here; a refused item keeps the dialog open with its input.
    void SetAcceptCheck(std::function<bool(const EventItem&)> check) { m_acceptCheck = std::move(check); }
    void accept() override;
    const EventItem& Item() const { return m_item; }

    QComboBox* Kind() const { return m_kind; }
    QRadioButton* OnSet() const { return m_onSet; }
    QRadioButton* OnClear() const { return m_onClear; }
    QComboBox* Comparison() const { return m_comparison; }
    QLineEdit* Value() const { return m_value; }
    QCheckBox* Range() const { return m_range; }
    QLineEdit* Lower() const { return m_lower; }
    QLineEdit* Upper() const { return m_upper; }
    QCheckBox* Buzzer() const { return m_buzzer; }
    NumEditWidget* Seconds() const { return m_seconds; }
    QLineEdit* Message() const { return m_message; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    void UpdateEnabling();

    MessageSink& m_sink;
    EventItem m_item;
    QComboBox* m_kind;
    QRadioButton* m_onSet;
    QRadioButton* m_onClear;
    QComboBox* m_comparison;
    QLineEdit* m_value;
    QCheckBox* m_range;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    QCheckBox* m_buzzer;
    NumEditWidget* m_seconds;
    QLineEdit* m_message;
    AddressPanelWidget* m_address;
    std::function<bool(const EventItem&)> m_acceptCheck;
};

} // namespace balsar::dialogs
