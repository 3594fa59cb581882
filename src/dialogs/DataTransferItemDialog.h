#pragma once
// "数据传输设定": when an item runs (timed or on a trigger bit), how often and
// on which screen, and the block it copies between two addresses.
#include <QDialog>
#include <functional>

#include "project/DataTransferList.h"

class QComboBox;
class QRadioButton;

namespace balsar {
class CMirloProject;
class DesignerSession;
} // namespace balsar

namespace balsar::dialogs {

class AddressPanelWidget;
class NumSpinWidget;

class DataTransferItemDialog : public QDialog {
    Q_OBJECT
public:
    DataTransferItemDialog(const DataTransferItem& item, const CMirloProject* project, DesignerSession& session,
                           QWidget* parent = nullptr);

    // OK closes the dialog only when the check accepts the item; a refused
    // item (a duplicate in the list) keeps the dialog open with its input.
    void SetAcceptCheck(std::function<bool(const DataTransferItem&)> check) { m_acceptCheck = std::move(check); }
    void accept() override;
    const DataTransferItem& Item() const { return m_item; }

    QRadioButton* Timed() const { return m_timed; }
    QRadioButton* Triggered() const { return m_triggered; }
    QComboBox* TriggerType() const { return m_triggerType; }
    NumSpinWidget* Period() const { return m_period; }
    NumSpinWidget* Executions() const { return m_executions; }
    QComboBox* Window() const { return m_window; }
    QRadioButton* WordData() const { return m_word; }
    QRadioButton* BitData() const { return m_bit; }
    NumSpinWidget* Count() const { return m_count; }
    AddressPanelWidget* TriggerAddress() const { return m_trigger; }
    AddressPanelWidget* SourceAddress() const { return m_source; }
    AddressPanelWidget* DestinationAddress() const { return m_destination; }

private:
    void UpdateEnabling();

    DataTransferItem m_item;
    std::function<bool(const DataTransferItem&)> m_acceptCheck;
    QRadioButton* m_timed;
    QRadioButton* m_triggered;
    QComboBox* m_triggerType;
    NumSpinWidget* m_period;
    NumSpinWidget* m_executions;
    QComboBox* m_window;
    QRadioButton* m_word;
    QRadioButton* m_bit;
    NumSpinWidget* m_count;
    AddressPanelWidget* m_trigger;
    AddressPanelWidget* m_source;
    AddressPanelWidget* m_destination;
    QWidget* m_triggerGroup;
};

} // namespace balsar::dialogs
