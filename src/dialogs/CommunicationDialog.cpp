#include "dialogs/CommunicationDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/DialogStrings.h"
#include "dialogs/PortPageWidget.h"
#include "dialogs/QtText.h"
#include "hardware/HardwareModel.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar::dialogs {

namespace {

// The ports the model offers; COM0 to COM2 without a model.
std::vector<HardwarePort> ModelPorts(const HardwareModel& model) {
    if (!model.Ports().empty()) {
        return model.Ports();
    }
    std::vector<HardwarePort> ports;
    for (int i = 0; i < 3; ++i) {
        ports.push_back({i, "serial", "COM" + std::to_string(i), true, true, true, false});
    }
    return ports;
}

} // namespace

CommunicationDialog::CommunicationDialog(CMirloDoc& doc, DesignerSession& session, int firstPage, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_session(session) {
    setWindowTitle(Q(balsar::texts::kModifyProtocolCaption));
    if (doc.Project() != nullptr) {
        m_settings = CurrentPortSettings(*doc.Project());
    }
    const ProtocolLibrary& library = session.Protocols();
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    for (const HardwarePort& port : ModelPorts(session.Model())) {
        const QString caption = Q(port.deviceName.empty() ? "COM" + std::to_string(port.number) : port.deviceName);
        if (port.IsCan() || port.number < 0 || port.number > 2) {
            m_tabs->addTab(new CanPageWidget(m_tabs), port.IsCan() ? caption : Q(texts::kCanPort));
            continue;
        }
        auto* page = new PortPageWidget(library, SerialOptions{port.rs232, port.rs485, port.rs422},
                                        session.sink, m_tabs);
        page->Open(m_settings.ports[static_cast<size_t>(port.number)]);
        m_pages[static_cast<size_t>(port.number)] = page;
        m_tabs->addTab(page, caption);
    }
    m_tabs->setCurrentIndex(std::clamp(firstPage, 0, std::max(0, m_tabs->count() - 1)));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CommunicationDialog::accept() {
    for (PortPageWidget* page : m_pages) {
        if (page != nullptr && !page->CheckStation()) {
            return;
        }
    }
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i] != nullptr) {
            m_pages[i]->Store(m_settings.ports[i]);
        }
    }
    // The CAN page never enables its port.
    m_settings.can.enabled = 0;
    QDialog::accept();
}

bool CommunicationDialog::Apply() { return ApplyPortSettings(m_doc, m_settings, m_session); }

bool ShowCommunicationDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session, int firstPage) {
    if (doc.Project() == nullptr) {
        return false;
    }
    CommunicationDialog dialog(doc, session, firstPage, parent);
    return dialog.exec() == QDialog::Accepted && dialog.Apply();
}

SerialPortDialog::SerialPortDialog(DesignerOptions& options, QWidget* parent) : QDialog(parent), m_options(options) {
    setWindowTitle(Q(texts::kSerialPortCaption));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    for (int i = 1; i <= 9; ++i) {
        m_list->addItem(QStringLiteral("com%1").arg(i));
    }
    const int current = options.pcComPort;
    m_list->setCurrentRow(current >= 1 && current <= 9 ? current - 1 : 0);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void SerialPortDialog::accept() {
    if (m_list->currentRow() >= 0) {
        m_options.pcComPort = m_list->currentRow() + 1;
    }
    QDialog::accept();
}

bool ShowSerialPortDialog(QWidget* parent, DesignerOptions& options) {
    SerialPortDialog dialog(options, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace balsar::dialogs
