#include "dialogs/PortPageWidget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/AdvancedSettingsDialog.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "plc/PlcStrings.h"

namespace balsar::dialogs {

namespace {

// The width of the compatible-models column, in digit widths: the shipped
// protocols name their models in up to 46 characters.
constexpr int kCompatibleColumnChars = 48;

void Fill(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& item : items) {
        box->addItem(Q(item));
    }
}

} // namespace

PortPageWidget::PortPageWidget(const ProtocolLibrary& library, SerialOptions options, MessageSink& sink,
                               QWidget* parent)
    : QWidget(parent), m_page(library, options), m_sink(sink) {
    auto* grid = new QGridLayout(this);
    m_manufacturer = new QComboBox(this);
    m_device = new QComboBox(this);
    m_serialType = new QComboBox(this);
    m_baud = new QComboBox(this);
    m_dataBits = new QComboBox(this);
    m_parity = new QComboBox(this);
    m_stopBits = new QComboBox(this);
    m_station = new QLineEdit(this);
    m_station->setValidator(new QIntValidator(0, 65535, this));
    Fill(m_manufacturer, m_page.ManufacturerChoices());
    Fill(m_serialType, m_page.SerialTypeChoices());
    Fill(m_baud, PortPage::BaudChoices());
    Fill(m_dataBits, PortPage::DataBitChoices());
    Fill(m_parity, PortPage::ParityChoices());
    Fill(m_stopBits, PortPage::StopBitChoices());

    const std::pair<const char*, QWidget*> rows[] = {
        {texts::kManufacturer, m_manufacturer}, {texts::kDeviceModel, m_device}, {texts::kSerialType, m_serialType},
        {texts::kBaud, m_baud},                 {texts::kDataBits, m_dataBits},  {texts::kParity, m_parity},
        {texts::kStopBits, m_stopBits},         {texts::kSlaveStation, m_station}};
    int row = 0;
    for (const auto& [label, widget] : rows) {
        grid->addWidget(new QLabel(Q(label), this), row, 0);
        grid->addWidget(widget, row, 1);
        ++row;
    }
    auto* compatible = new QGroupBox(Q(texts::kCompatibleModels), this);
    auto* compatibleLayout = new QVBoxLayout(compatible);
    for (QLabel*& line : m_compatible) {
        line = new QLabel(compatible);
        // The lines change with the device: they never ask for room, so the
        // columns keep their widths while the user chooses.
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        compatibleLayout->addWidget(line);
    }
    compatible->setFixedWidth(compatible->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kCompatibleColumnChars);
    grid->addWidget(compatible, 0, 2, row, 1);
    m_restore = new QPushButton(Q(texts::kRestoreDefaults), this);
    m_advanced = new QPushButton(Q(texts::kAdvanced), this);
    for (QPushButton* button : {m_restore, m_advanced}) {
        button->setAutoDefault(false);
    }
    grid->addWidget(m_restore, row, 0);
    grid->addWidget(m_advanced, row, 1);

    connect(m_manufacturer, &QComboBox::activated, this, [this](int choice) {
        m_page.ChooseManufacturer(choice, m_sink);
        Refresh();
    });
    connect(m_device, &QComboBox::activated, this, [this](int device) {
        m_page.ChooseDevice(device, m_sink);
        Refresh();
    });
    for (QComboBox* box : {m_serialType, m_baud, m_dataBits, m_parity, m_stopBits}) {
        connect(box, &QComboBox::activated, this, &PortPageWidget::TakeLists);
    }
    connect(m_station, &QLineEdit::textEdited, this, [this](const QString& text) { m_page.SetStationText(S(text)); });
    connect(m_station, &QLineEdit::editingFinished, this, [this] {
        m_page.SetStationText(S(m_station->text()));
        m_page.StationFocusLost();
        m_page.CheckStation(m_sink);
        m_station->setText(Q(m_page.StationText()));
    });
    connect(m_restore, &QPushButton::clicked, this, [this] {
        m_page.RestoreDefaults();
        Refresh();
    });
    connect(m_advanced, &QPushButton::clicked, this, &PortPageWidget::OnAdvanced);
    Refresh();
}

void PortPageWidget::Open(const CPortCom& port) {
    m_page.Open(port, m_sink);
    Refresh();
}

void PortPageWidget::TakeLists() {
    if (m_refreshing) {
        return;
    }
    m_page.serialTypeText = S(m_serialType->currentText());
    m_page.baud = m_baud->currentIndex();
    m_page.dataBits = m_dataBits->currentIndex();
    m_page.parity = m_parity->currentIndex();
    m_page.stopBits = m_stopBits->currentIndex();
}

bool PortPageWidget::CheckStation() {
    m_page.SetStationText(S(m_station->text()));
    if (m_page.CheckStation(m_sink)) {
        return true;
    }
    m_station->setText(Q(m_page.StationText()));
    m_station->setFocus();
    return false;
}

void PortPageWidget::Store(CPortCom& port) {
    TakeLists();
    m_page.SetStationText(S(m_station->text()));
    m_page.Store(port, m_sink);
}

void PortPageWidget::Refresh() {
    m_refreshing = true;
    const bool used = m_page.Used();
    m_manufacturer->setCurrentIndex(m_page.ManufacturerChoice());
    Fill(m_device, m_page.Devices());
    m_device->setCurrentIndex(used ? m_page.Device() : -1);
    m_serialType->setCurrentIndex(m_serialType->findText(Q(m_page.serialTypeText)));
    m_baud->setCurrentIndex(m_page.baud);
    m_dataBits->setCurrentIndex(m_page.dataBits);
    m_parity->setCurrentIndex(m_page.parity);
    m_stopBits->setCurrentIndex(m_page.stopBits);
    m_station->setText(m_page.StationEnabled() ? Q(m_page.StationText()) : QString());
    for (QWidget* widget : std::initializer_list<QWidget*>{m_device, m_serialType, m_baud, m_dataBits, m_parity,
                                                           m_stopBits, m_restore, m_advanced}) {
        widget->setEnabled(used);
    }
    m_station->setEnabled(m_page.StationEnabled());
    const std::array<std::string, 7> lines = m_page.CompatibleModelLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        m_compatible[i]->setText(used ? Q(lines[i]) : QString());
        // A name wider than the column is read in full from its tip.
        m_compatible[i]->setToolTip(m_compatible[i]->text());
    }
    m_refreshing = false;
}

void PortPageWidget::OnAdvanced() {
    AdvancedSettingsDialog dialog(m_page.advanced, AdvancedPortSettings::Defaults(m_page.Protocol()), this);
    const bool ok = runAdvancedDialog ? runAdvancedDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (ok) {
        m_page.advanced = dialog.Settings();
    }
}

CanPageWidget::CanPageWidget(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    auto* manufacturer = new QComboBox(this);
    manufacturer->addItem(Q(balsar::texts::kPortNotUsed));
    manufacturer->setEnabled(false);
    grid->addWidget(new QLabel(Q(texts::kManufacturer), this), 0, 0);
    grid->addWidget(manufacturer, 0, 1);
    grid->setRowStretch(1, 1);
}

} // namespace balsar::dialogs
