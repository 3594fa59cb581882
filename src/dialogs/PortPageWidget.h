#pragma once
// One serial port's page of the communication settings and of the
// new-project wizard: manufacturer and device, the line settings, the
// station number, the compatible models and the advanced settings.
#include <QWidget>
#include <array>
#include <functional>

#include "editing/PortPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace balsar::dialogs {

class AdvancedSettingsDialog;

class PortPageWidget : public QWidget {
    Q_OBJECT
public:
    PortPageWidget(const ProtocolLibrary& library, SerialOptions options, MessageSink& sink,
                   QWidget* parent = nullptr);

    // Shows a stored port.
    void Open(const CPortCom& port);
    // Writes the page into a port (its index is kept).
    // The station within the protocol's range; otherwise the message, the
    // nearest allowed number in the field and false (OK then waits).
    bool CheckStation();
    void Store(CPortCom& port);
    const PortPage& Page() const { return m_page; }

    QComboBox* Manufacturer() const { return m_manufacturer; }
    QComboBox* Device() const { return m_device; }
    QComboBox* SerialType() const { return m_serialType; }
    QComboBox* Baud() const { return m_baud; }
    QComboBox* DataBits() const { return m_dataBits; }
    QComboBox* Parity() const { return m_parity; }
    QComboBox* StopBits() const { return m_stopBits; }
    QLineEdit* Station() const { return m_station; }
    QLabel* CompatibleLine(int i) const { return m_compatible[static_cast<size_t>(i)]; }
    QPushButton* RestoreButton() const { return m_restore; }
    QPushButton* AdvancedButton() const { return m_advanced; }

    // Runs the advanced settings dialog; exec() when unset.
    std::function<bool(AdvancedSettingsDialog&)> runAdvancedDialog;

private:
    void Refresh();
    void TakeLists();
    void OnAdvanced();

    PortPage m_page;
    MessageSink& m_sink;
    bool m_refreshing = false;
    QComboBox* m_manufacturer;
    QComboBox* m_device;
    QComboBox* m_serialType;
    QComboBox* m_baud;
    QComboBox* m_dataBits;
    QComboBox* m_parity;
    QComboBox* m_stopBits;
    QLineEdit* m_station;
    std::array<QLabel*, 7> m_compatible{};
    QPushButton* m_restore;
    QPushButton* m_advanced;
};

// The CAN port's page: the port is never used.
class CanPageWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanPageWidget(QWidget* parent = nullptr);
};

} // namespace balsar::dialogs
