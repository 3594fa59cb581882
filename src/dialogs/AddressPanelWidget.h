#pragma once
// The address editing panel as a widget, embedded wherever an address is
// edited: port, station, connected device, register type, index, address
// and sub-address, format and range, encoding and word count. Every change
// is written to the address at once and announced with changed().
#include <QWidget>
#include <vector>

#include "editing/AddressPanel.h"

class QComboBox;
class QLabel;

namespace balsar {
class CMirloProject;
class DesignerSession;
} // namespace balsar

namespace balsar::dialogs {

class NumEditWidget;
class NumSpinWidget;

class AddressPanelWidget : public QWidget {
    Q_OBJECT
public:
    // The address and the session must outlive the widget. The port list
    // comes from the project's ports (none without a project) and the
    // session's model's port names; addresses follow its port descriptions.
    AddressPanelWidget(CAddr& address, const CMirloProject* project, const DesignerSession& session,
                       QWidget* parent = nullptr);

    // A bit or a word address: the type list follows, the port is kept.
    void SetWidth(int32_t width);
    // Owners that fix the value size (see AddressPanel).
    void FixDataType(int32_t dataType);
    void FixTextLength(int32_t bytes);
    // Shows the address again (after the owner changed it).
    void Refresh();
    const std::vector<PortChoice>& PortChoices() const { return m_ports; }

    QComboBox* PortBox() const { return m_port; }
    QComboBox* TypeBox() const { return m_type; }
    QComboBox* EncodingBox() const { return m_encoding; }
    QComboBox* WordCountBox() const { return m_wordCount; }
    NumSpinWidget* StationSpin() const { return m_station; }
    NumSpinWidget* IndexSpin() const { return m_index; }
    NumEditWidget* AddressEdit() const { return m_address; }
    NumSpinWidget* SubSpin() const { return m_sub; }
    QLabel* DeviceLabel() const { return m_device; }
    QLabel* FormatLabel() const { return m_format; }

signals:
    void changed();

private:
    void OnPort(int row);
    void OnType(int row);
    void Edited();

    CAddr& m_addr;
    AddressPanel m_panel;
    std::vector<PortChoice> m_ports;
    bool m_refreshing = false;
    QComboBox* m_port;
    NumSpinWidget* m_station;
    QLabel* m_device;
    QComboBox* m_type;
    NumSpinWidget* m_index;
    NumEditWidget* m_address;
    NumSpinWidget* m_sub;
    QLabel* m_format;
    QComboBox* m_encoding;
    QComboBox* m_wordCount;
};

} // namespace balsar::dialogs
