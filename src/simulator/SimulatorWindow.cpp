#include "simulator/SimulatorWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/Text.h"
#include "runtime/RuntimeStrings.h"
#include "simulator/BackgroundLink.h"
#include "simulator/ModbusLink.h"
#include "simulator/PanelFrontWidget.h"
#include "simulator/RegisterValues.h"
#include "i18n/UiText.h"
#include "simulator/SimulatorStrings.h"

namespace balsar::simulator {

namespace {

constexpr int kTickMs = 100;

// The window's texts: constants and messages formatted from them.
QString Text(const std::string& text) {
    return i18n::UiMessage(text);
}

} // namespace

SimulatorWindow::SimulatorWindow(std::unique_ptr<runtime::PanelRuntime> panel, PortRegisters names,
                                 FrontLayout layout, QImage picture, const QString& imagePath, bool online,
                                 QWidget* parent)
    : QMainWindow(parent), m_panel(std::move(panel)), m_names(std::move(names)), m_online(online) {
    setWindowTitle(
        Text(Format(online ? texts::kOnlineTitle : texts::kOfflineTitle, imagePath.toStdString().c_str())));
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    m_front = new PanelFrontWidget(std::move(layout), std::move(picture), central);
    row->addWidget(m_front, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout();
    m_screenLabel = new QLabel(central);
    side->addWidget(m_screenLabel);
    m_table = new QTableWidget(0, 3, central);
    QStringList headers;
    for (const char* header : texts::kRegisterHeader) {
        headers << Text(header);
    }
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumWidth(340);
    side->addWidget(m_table, 1);
    m_notice = new QLabel(central);
    m_notice->setStyleSheet("color: #b00000; font-weight: bold;");
    m_notice->setWordWrap(true);
    side->addWidget(m_notice);
    row->addLayout(side, 1);
    setCentralWidget(central);

    connect(m_front, &PanelFrontWidget::KeyPressed, this, [this](int code) {
        m_panel->PressKey(code);
        Tick();
    });
    connect(m_front, &PanelFrontWidget::KeyReleased, this, [this](int code) {
        m_panel->ReleaseKey(code);
        Tick();
    });
    connect(m_table, &QTableWidget::itemChanged, this, &SimulatorWindow::ValueEdited);

    if (m_online) {
        BuildLinkBar();
    }
    m_clock.start();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &SimulatorWindow::Tick);
    m_timer->start(kTickMs);
    m_front->setFocus();
    Tick();
}

SimulatorWindow::~SimulatorWindow() {
    // The runtime must not call into a link that is gone.
    m_panel->SetLink(nullptr);
}

void SimulatorWindow::BuildLinkBar() {
    QToolBar* bar = addToolBar(Text(texts::kLinkTcp));
    bar->setMovable(false);
    m_linkKind = new QComboBox(bar);
    m_linkKind->addItem(Text(texts::kLinkTcp));
    m_linkKind->addItem(Text(texts::kLinkSerial));
    m_linkTarget = new QLineEdit(bar);
    m_linkTarget->setMinimumWidth(200);
    m_linkTarget->setMaximumWidth(320);
    m_connect = new QPushButton(Text(texts::kConnect), bar);
    bar->addWidget(m_linkKind);
    bar->addWidget(m_linkTarget);
    bar->addWidget(m_connect);

    m_linkText = Text(texts::kOffline);
    QSettings settings("Balsar", "MirloSpy");
    LinkEndpoint endpoint;
    const bool remembered =
        LinkEndpoint::FromSaved(settings.value("link").toString().toStdString(), endpoint);
    if (!remembered) {
        LinkEndpoint::ParseTcp("127.0.0.1:502", endpoint);
    }
    const bool serial = endpoint.kind == LinkEndpoint::Kind::Serial;
    m_linkKind->setCurrentIndex(serial ? 1 : 0);
    m_linkTarget->setText(
        Text(serial ? endpoint.device : endpoint.host + ":" + std::to_string(endpoint.tcpPort)));
    connect(m_connect, &QPushButton::clicked, this, [this] {
        if (m_link) {
            DisconnectLink();
        } else {
            ConnectLink();
        }
    });
    // The link used last time is connected again at once.
    if (remembered) {
        QTimer::singleShot(0, this, [this] { ConnectLink(); });
    }
}

bool SimulatorWindow::ConnectLink() {
    DisconnectLink();
    LinkEndpoint endpoint;
    const std::string target = m_linkTarget->text().trimmed().toStdString();
    if (m_linkKind->currentIndex() == 1) {
        endpoint = LinkEndpoint::Serial(target);
    } else if (!LinkEndpoint::ParseTcp(target, endpoint)) {
        m_linkText = Text("--tcp " + target + ": HOST:PORT");
        RefreshStatus();
        return false;
    }
    auto link = std::make_unique<ModbusLink>(m_names);
    std::string error;
    if (!link->Open(endpoint, error)) {
        m_linkText = Text(error);
        RefreshStatus();
        return false;
    }
    QSettings("Balsar", "MirloSpy").setValue("link", Text(endpoint.Saved()));
    m_link = std::make_unique<BackgroundLink>(std::move(link));
    m_panel->SetLink(m_link.get());
    m_linkText = Text(Format(texts::kConnected, endpoint.Text().c_str()));
    m_connect->setText(Text(texts::kDisconnect));
    RefreshStatus();
    return true;
}

void SimulatorWindow::DisconnectLink() {
    m_panel->SetLink(nullptr);
    m_link.reset();
    if (m_connect != nullptr) {
        m_connect->setText(Text(texts::kConnect));
    }
    m_linkText = Text(texts::kOffline);
}

void SimulatorWindow::Tick() {
    const qint64 now = m_clock.elapsed();
    const auto elapsed = static_cast<uint32_t>(std::clamp<qint64>(now - m_lastTick, 0, 1000));
    m_lastTick = now;
    m_panel->Step(elapsed);
    m_front->ShowFrame(m_panel->Render(), m_panel->BacklightOn());
    if (m_panel->CurrentScreen() != m_tableScreen) {
        RebuildTable();
    } else {
        RefreshValues();
    }
    RefreshStatus();
}

void SimulatorWindow::RebuildTable() {
    m_tableScreen = m_panel->CurrentScreen();
    m_uses = m_panel->RegistersOfScreen(m_tableScreen);
    m_screenLabel->setText(Text(Format(texts::kScreen, m_tableScreen)));
    m_filling = true;
    m_table->setRowCount(static_cast<int>(m_uses.size()));
    for (int row = 0; row < static_cast<int>(m_uses.size()); ++row) {
        const runtime::RegisterUse& use = m_uses[static_cast<size_t>(row)];
        auto* name = new QTableWidgetItem(Text(m_names.Text(use.address)));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* kind = new QTableWidgetItem(Text(runtime::KindName(use.kind)));
        kind->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, 0, name);
        m_table->setItem(row, 1, kind);
        m_table->setItem(row, 2, new QTableWidgetItem());
    }
    m_filling = false;
    m_table->resizeColumnToContents(0);
    m_table->resizeColumnToContents(1);
    RefreshValues();
}

void SimulatorWindow::RefreshValues() {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus != m_table && m_table->isAncestorOf(focus)) {
        return; // a value is being typed: leave it alone
    }
    m_filling = true;
    for (int row = 0; row < static_cast<int>(m_uses.size()); ++row) {
        QTableWidgetItem* item = m_table->item(row, 2);
        const QString value =
            Text(RegisterValueText(*m_panel, m_tableScreen, m_uses[static_cast<size_t>(row)]));
        if (item != nullptr && item->text() != value) {
            item->setText(value);
        }
    }
    m_filling = false;
}

void SimulatorWindow::ValueEdited(QTableWidgetItem* item) {
    if (m_filling || item->column() != 2 || item->row() >= static_cast<int>(m_uses.size())) {
        return;
    }
    std::string error;
    if (!SetRegisterValue(*m_panel, m_tableScreen, m_uses[static_cast<size_t>(item->row())],
                          item->text().toStdString(), error)) {
        m_editError = Text(error);
        m_editErrorUntil = m_clock.elapsed() + 4000;
    }
    m_front->setFocus();
    Tick();
}

void SimulatorWindow::RefreshStatus() {
    QStringList lines;
    if (m_panel->LastNotice() != runtime::Notice::None) {
        lines << Text(m_panel->NoticeText());
    }
    if (m_link) {
        const BackgroundLink::Status status = m_link->CurrentStatus();
        const std::vector<runtime::PortRecord> ports = m_names.Ports();
        const int showSeconds = ports.empty() ? 0 : ports.front().errorShowTime;
        const auto shownFor = std::chrono::steady_clock::now() - status.failingSince;
        if (status.failing && (showSeconds == 0 || shownFor < std::chrono::seconds(showSeconds))) {
            const int language = m_panel->Image().settings.EnglishMessages() ? 1 : 0;
            lines << Text(std::string(runtime::strings::kCommunicationError[language]) + ": " + status.error);
        }
        for (const uint8_t port : status.cutOff) {
            lines << Text(Format(texts::kCutOff, PortRegisters::PortName(port).c_str()));
        }
    }
    if (m_clock.elapsed() < m_editErrorUntil) {
        lines << m_editError;
    }
    if (m_panel->Editing()) {
        lines << Text(Format(texts::kEditing, m_panel->EditText().c_str()));
    }
    if (m_panel->Buzzer()) {
        lines << Text(texts::kBuzzer);
    }
    m_notice->setText(lines.join('\n'));
    QString state = Text(Format(texts::kLevel, m_panel->PasswordLevel()));
    if (m_online) {
        state = m_linkText + "    " + state;
    }
    statusBar()->showMessage(state);
}

} // namespace balsar::simulator
