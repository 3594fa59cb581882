#pragma once
// The simulators' window: the panel's front on the left (display and keys),
// on the right the registers the current screen uses with their live
// values, which the user can edit (the simulated PLC offline; the real one
// online). Online, a tool bar chooses the link (Modbus TCP or RTU), which
// is remembered, and the status line shows communication errors as the
// panel does: for the port's error show time (for as long as they last
// when that is 0) and a port cut off after its retries.
#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>
#include <vector>

#include "runtime/PanelRuntime.h"
#include "simulator/FrontLayout.h"
#include "simulator/PortRegisters.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace balsar::simulator {

class BackgroundLink;
class PanelFrontWidget;

class SimulatorWindow : public QMainWindow {
    Q_OBJECT
public:
    // The panel must hold a loaded image; names gives the device registers
    // their protocol names. Online adds the link tool bar.
    SimulatorWindow(std::unique_ptr<runtime::PanelRuntime> panel, PortRegisters names, FrontLayout layout,
                    QImage picture, const QString& imagePath, bool online, QWidget* parent = nullptr);
    ~SimulatorWindow() override;

    // Connects the link of the tool bar (online); false with the reason in
    // the status line.
    bool ConnectLink();
    void DisconnectLink();
    runtime::PanelRuntime& Panel() { return *m_panel; }
    PanelFrontWidget& Front() { return *m_front; }
    // One timer tick: time passes, the frame and the pane are refreshed.
    void Tick();

private:
    void BuildLinkBar();
    void RebuildTable();
    void RefreshValues();
    void ValueEdited(QTableWidgetItem* item);
    void RefreshStatus();

    std::unique_ptr<runtime::PanelRuntime> m_panel;
    PortRegisters m_names;
    bool m_online = false;
    PanelFrontWidget* m_front = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_screenLabel = nullptr;
    QLabel* m_notice = nullptr;
    QComboBox* m_linkKind = nullptr;
    QLineEdit* m_linkTarget = nullptr;
    QPushButton* m_connect = nullptr;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    uint16_t m_tableScreen = 0xFFFF;
    std::vector<runtime::RegisterUse> m_uses;
    bool m_filling = false;
    std::unique_ptr<BackgroundLink> m_link;
    QString m_linkText;
    // A value the pane refused, shown for a few seconds.
    QString m_editError;
    qint64 m_editErrorUntil = 0;
};

} // namespace balsar::simulator
