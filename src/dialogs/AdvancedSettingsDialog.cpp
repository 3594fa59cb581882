#include "dialogs/AdvancedSettingsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"

namespace balsar::dialogs {

namespace {

// The fields in the order of the dialog's edits.
std::array<int32_t AdvancedPortSettings::*, AdvancedSettingsDialog::kEdits> Fields() {
    return {&AdvancedPortSettings::commTimeout,       &AdvancedPortSettings::protocolTimeout1,
            &AdvancedPortSettings::protocolTimeout2,  &AdvancedPortSettings::bitGap,
            &AdvancedPortSettings::wordGap,           &AdvancedPortSettings::maxBitsPerPacket,
            &AdvancedPortSettings::maxWordsPerPacket, &AdvancedPortSettings::commInterval,
            &AdvancedPortSettings::errorShowTime,     &AdvancedPortSettings::retries};
}

} // namespace

AdvancedSettingsDialog::AdvancedSettingsDialog(const AdvancedPortSettings& current,
                                               const AdvancedPortSettings& defaults, QWidget* parent)
    : QDialog(parent), m_settings(current), m_defaults(defaults) {
    setWindowTitle(Q(texts::kAdvancedCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* labels[kEdits] = {texts::kCommTimeout, texts::kProtocolTimeout1, texts::kProtocolTimeout2,
                                  texts::kBitGap,      texts::kWordGap,          texts::kMaxBits,
                                  texts::kMaxWords,    texts::kCommInterval,     texts::kErrorShowTime,
                                  texts::kRetries};
    auto* validator = new QIntValidator(0, INT32_MAX, this);
    for (int i = 0; i < kEdits; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setValidator(validator);
        // An edit left empty reads "0".
        connect(edit, &QLineEdit::editingFinished, edit, [edit] {
            if (edit->text().isEmpty()) {
                edit->setText(QStringLiteral("0"));
            }
        });
        grid->addWidget(new QLabel(Q(labels[i]), this), i / 2, (i % 2) * 2);
        grid->addWidget(edit, i / 2, (i % 2) * 2 + 1);
        m_edits[static_cast<size_t>(i)] = edit;
    }
    layout->addLayout(grid);
    auto* after = new QGroupBox(Q(texts::kAfterRetries), this);
    auto* afterLayout = new QHBoxLayout(after);
    m_retry = new QRadioButton(Q(texts::kRetry), after);
    m_cutOff = new QRadioButton(Q(texts::kCutOff), after);
    afterLayout->addWidget(m_retry);
    afterLayout->addWidget(m_cutOff);
    layout->addWidget(after);
    auto* restore = new QPushButton(Q(texts::kRestoreDefaultSettings), this);
    restore->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, &AdvancedSettingsDialog::RestoreDefaults);
    layout->addWidget(restore);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Show(m_settings);
}

void AdvancedSettingsDialog::Show(const AdvancedPortSettings& settings) {
    const auto fields = Fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        m_edits[i]->setText(QString::number(settings.*fields[i]));
    }
    (settings.retryAfterLimit != 0 ? m_retry : m_cutOff)->setChecked(true);
}

void AdvancedSettingsDialog::RestoreDefaults() { Show(m_defaults); }

void AdvancedSettingsDialog::accept() {
    const auto fields = Fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        m_settings.*fields[i] = m_edits[i]->text().toInt();
    }
    m_settings.retryAfterLimit = m_retry->isChecked() ? 1 : 0;
    QDialog::accept();
}

} // namespace balsar::dialogs
