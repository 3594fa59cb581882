#pragma once
// "修改通讯协议": one page per port of the panel model. After OK the new
// settings go through the change flow: ports whose use or protocol changed
// reset their addresses, but only after the user confirmed.
#include <QDialog>
#include <array>

#include "project/PortSettingsChange.h"

class QListWidget;
class QTabWidget;

namespace balsar {
class CMirloDoc;
class DesignerSession;
struct DesignerOptions;
} // namespace balsar

namespace balsar::dialogs {

class PortPageWidget;

class CommunicationDialog : public QDialog {
    Q_OBJECT
public:
    // firstPage: the page shown first (a port item's position).
    CommunicationDialog(CMirloDoc& doc, DesignerSession& session, int firstPage = 0, QWidget* parent = nullptr);

    void accept() override;
    // The settings the pages produced (valid after OK).
    const PortSettings& Settings() const { return m_settings; }
    // Applies them to the open project through the change flow; false when
    // nothing was applied.
    bool Apply();

    QTabWidget* Tabs() const { return m_tabs; }
    // The serial page of port 0..2; null when the model lacks that port.
    PortPageWidget* SerialPage(int port) const { return m_pages[static_cast<size_t>(port)]; }

private:
    CMirloDoc& m_doc;
    DesignerSession& m_session;
    PortSettings m_settings;
    QTabWidget* m_tabs;
    std::array<PortPageWidget*, 3> m_pages{};
};

// Runs the dialog and, after OK, the change flow.
bool ShowCommunicationDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session, int firstPage = 0);

// "通讯串口选择": the designer's PC serial port, com1 to com9.
class SerialPortDialog : public QDialog {
    Q_OBJECT
public:
    SerialPortDialog(DesignerOptions& options, QWidget* parent = nullptr);
    void accept() override;
    QListWidget* List() const { return m_list; }

private:
    DesignerOptions& m_options;
    QListWidget* m_list;
};

bool ShowSerialPortDialog(QWidget* parent, DesignerOptions& options);

} // namespace balsar::dialogs
