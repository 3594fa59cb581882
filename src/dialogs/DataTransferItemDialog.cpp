#include "dialogs/DataTransferItemDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/NumEditWidget.h"
#include "dialogs/QtText.h"
#include "dialogs/ScreenChoices.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar::dialogs {

DataTransferItemDialog::DataTransferItemDialog(const DataTransferItem& item, const CMirloProject* project,
                                               DesignerSession& session, QWidget* parent)
    : QDialog(parent), m_item(item) {
    setWindowTitle(Q(balsar::texts::kDataTransferItemCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    auto* mode = new QButtonGroup(this);
    m_timed = new QRadioButton(Q(texts::kTimed), this);
    m_triggered = new QRadioButton(Q(balsar::texts::kRegisterTrigger), this);
    mode->addButton(m_timed);
    mode->addButton(m_triggered);
    if (m_item.timed != 0) {
        m_timed->setChecked(true);
    } else if (m_item.triggerType != 0) {
        m_triggered->setChecked(true);
    }
    m_triggerType = new QComboBox(this);
    for (const char* type : balsar::texts::kTriggerTypes) {
        m_triggerType->addItem(Q(type));
    }
    m_triggerType->setCurrentIndex(std::clamp(m_item.triggerType - 1, 0, 2));
    grid->addWidget(m_timed, 0, 0);
    grid->addWidget(m_triggered, 0, 1);
    grid->addWidget(new QLabel(Q(texts::kTriggerType), this), 0, 2);
    grid->addWidget(m_triggerType, 0, 3);

    m_period = new NumSpinWidget(session.sink, this);
    m_period->Edit()->SetRange(1, 2147483647);
    m_period->Edit()->SetValue(m_item.period);
    grid->addWidget(new QLabel(Q(texts::kPeriod), this), 1, 0);
    grid->addWidget(m_period, 1, 1);
    grid->addWidget(new QLabel(Q(texts::kPeriodUnit), this), 1, 2);

    m_executions = new NumSpinWidget(session.sink, this);
    m_executions->Edit()->SetRange(0, 32767);
    m_executions->Edit()->SetValue(m_item.executions);
    grid->addWidget(new QLabel(Q(texts::kColumnExecutions), this), 2, 0);
    grid->addWidget(m_executions, 2, 1);
    grid->addWidget(new QLabel(Q(texts::kExecutionsHint), this), 2, 2, 1, 2);

    m_window = new QComboBox(this);
    m_window->setEditable(true);
    FillScreenNumbers(m_window, project, {QStringLiteral("0")});
    ShowNumber(m_window, m_item.validWindow);
    grid->addWidget(new QLabel(Q(texts::kColumnWindow), this), 3, 0);
    grid->addWidget(m_window, 3, 1);
    grid->addWidget(new QLabel(Q(texts::kWindowHint), this), 3, 2, 1, 2);

    auto* dataType = new QButtonGroup(this);
    m_word = new QRadioButton(Q(texts::kWord), this);
    m_bit = new QRadioButton(Q(texts::kBit), this);
    dataType->addButton(m_word);
    dataType->addButton(m_bit);
    (m_item.sourceAddress.width == WIDTH_BIT ? m_bit : m_word)->setChecked(true);
    grid->addWidget(new QLabel(Q(texts::kDataType), this), 4, 0);
    grid->addWidget(m_word, 4, 1);
    grid->addWidget(m_bit, 4, 2);

    m_count = new NumSpinWidget(session.sink, this);
    m_count->Edit()->SetRange(1, 128);
    m_count->Edit()->SetValue(m_item.count);
    grid->addWidget(new QLabel(Q(texts::kTransferCount), this), 5, 0);
    grid->addWidget(m_count, 5, 1);

    auto* addresses = new QHBoxLayout;
    auto addGroup = [&](const char* title, CAddr& address) {
        auto* group = new QGroupBox(Q(title), this);
        auto* groupLayout = new QVBoxLayout(group);
        auto* panel = new AddressPanelWidget(address, project, session, group);
        groupLayout->addWidget(panel);
        addresses->addWidget(group);
        return std::make_pair(group, panel);
    };
    auto [triggerGroup, trigger] = addGroup(texts::kTriggerAddress, m_item.triggerAddress);
    m_triggerGroup = triggerGroup;
    m_trigger = trigger;
    m_source = addGroup(texts::kColumnSource, m_item.sourceAddress).second;
    m_destination = addGroup(texts::kColumnDestination, m_item.destinationAddress).second;
    layout->addLayout(addresses);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_timed, &QRadioButton::toggled, this, &DataTransferItemDialog::UpdateEnabling);
    connect(m_triggered, &QRadioButton::toggled, this, &DataTransferItemDialog::UpdateEnabling);
    connect(m_word, &QRadioButton::toggled, this, [this](bool word) {
        m_source->SetWidth(word ? WIDTH_WORD : WIDTH_BIT);
        m_destination->SetWidth(word ? WIDTH_WORD : WIDTH_BIT);
    });
    UpdateEnabling();
}

void DataTransferItemDialog::UpdateEnabling() {
    const bool triggered = m_triggered->isChecked();
    m_triggerGroup->setVisible(triggered);
    m_triggerType->setEnabled(triggered);
    m_executions->setEnabled(triggered);
}

void DataTransferItemDialog::accept() {
    DataTransferItem item = m_item;
    if (m_timed->isChecked()) {
        item.timed = 1;
        item.triggerType = 0;
    } else if (m_triggered->isChecked()) {
        item.timed = 0;
        item.triggerType = m_triggerType->currentIndex() + 1;
    }
    item.period = static_cast<int32_t>(m_period->Edit()->Value());
    item.executions = static_cast<uint16_t>(m_executions->Edit()->Value());
    item.validWindow = static_cast<uint16_t>(NumberOf(m_window, 0));
    item.count = static_cast<uint16_t>(m_count->Edit()->Value());
    if (m_acceptCheck && !m_acceptCheck(item)) {
        return;
    }
    m_item = item;
    QDialog::accept();
}

} // namespace balsar::dialogs
