#include "dialogs/GlobalSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "dialogs/ScreenChoices.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar::dialogs {

namespace {

constexpr uint32_t kBacklightOnly = 1u << 0;
constexpr uint32_t kWakePassword = 1u << 1;
constexpr uint32_t kMute = 1u << 2;
constexpr uint32_t kSwap = 1u << 3;
constexpr int kFocusShift = 4;
constexpr uint32_t kFocusMask = 3u << kFocusShift;

void SetBit(uint32_t& flags, uint32_t bit, bool on) { flags = on ? (flags | bit) : (flags & ~bit); }

} // namespace

GlobalSettingsDialog::GlobalSettingsDialog(CMirloDoc& doc, const DesignerSession& session, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_sink(session.sink),
      m_settings(doc.Project() ? doc.Project()->settings : GlobalSettings()) {
    setWindowTitle(Q(balsar::texts::kGlobalSettingsCaption));
    const CMirloProject* project = doc.Project();
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    m_initial = new QComboBox(this);
    m_passwordScreen = new QComboBox(this);
    for (QComboBox* box : {m_initial, m_passwordScreen}) {
        box->setEditable(true);
        FillScreenNumbers(box, project);
    }
    ShowNumber(m_initial, m_settings.initialScreen);
    ShowNumber(m_passwordScreen, m_settings.passwordScreen);
    grid->addWidget(new QLabel(Q(texts::kInitialScreen), this), 0, 0);
    grid->addWidget(m_initial, 0, 1);
    grid->addWidget(new QLabel(Q(texts::kPasswordScreen), this), 0, 2);
    grid->addWidget(m_passwordScreen, 0, 3);

    auto* saver = new QGroupBox(Q(texts::kScreenSaver), this);
    auto* saverGrid = new QGridLayout(saver);
    m_delay = new QComboBox(saver);
    for (const char* choice : balsar::texts::kScreenSaverChoices) {
        m_delay->addItem(Q(choice));
    }
    const int delayItem = ScreenSaverItemForDelay(m_settings.screenSaverDelay);
    if (delayItem >= 0) {
        m_delay->setCurrentIndex(delayItem);
    } else {
        // A delay the list does not offer stays selectable as it is.
        m_delay->addItem(QStringLiteral("%1").arg(m_settings.screenSaverDelay), m_settings.screenSaverDelay);
        m_delay->setCurrentIndex(m_delay->count() - 1);
    }
    m_showScreen = new QRadioButton(Q(texts::kShowScreen), saver);
    m_backlight = new QRadioButton(Q(texts::kBacklightOnly), saver);
    m_saverScreen = new QComboBox(saver);
    m_saverScreen->setEditable(true);
    FillScreenNumbers(m_saverScreen, project);
    ShowNumber(m_saverScreen, m_settings.screenSaverScreen);
    (m_settings.optionFlags & kBacklightOnly ? m_backlight : m_showScreen)->setChecked(true);
    m_wake = new QCheckBox(Q(texts::kWakePassword), saver);
    m_wake->setChecked(m_settings.optionFlags & kWakePassword);
    m_wakeLevel = new QComboBox(saver);
    for (int level = 1; level <= 8; ++level) {
        m_wakeLevel->addItem(QString::number(level));
    }
    m_wakeLevel->setCurrentIndex(std::min<int>(m_settings.wakePasswordLevel, 7));
    saverGrid->addWidget(m_delay, 0, 0, 1, 2);
    saverGrid->addWidget(m_showScreen, 1, 0);
    saverGrid->addWidget(m_saverScreen, 1, 1);
    saverGrid->addWidget(m_backlight, 2, 0);
    saverGrid->addWidget(m_wake, 3, 0);
    saverGrid->addWidget(new QLabel(Q(texts::kPasswordLevel), saver), 3, 1);
    saverGrid->addWidget(m_wakeLevel, 3, 2);
    layout->addWidget(saver);

    m_mute = new QCheckBox(Q(texts::kBuzzerMute), this);
    m_mute->setChecked(m_settings.optionFlags & kMute);
    m_swap = new QCheckBox(Q(texts::kDoubleWordSwap), this);
    m_swap->setChecked(m_settings.optionFlags & kSwap);
    m_focus = new QComboBox(this);
    for (const char* choice : balsar::texts::kFocusChoices) {
        m_focus->addItem(Q(choice));
    }
    m_focus->setCurrentIndex(((m_settings.optionFlags & kFocusMask) >> kFocusShift) == 1 ? 1 : 0);
    grid->addWidget(m_mute, 1, 0, 1, 2);
    grid->addWidget(m_swap, 1, 2, 1, 2);
    grid->addWidget(new QLabel(Q(texts::kFocusDisplay), this), 2, 0);
    grid->addWidget(m_focus, 2, 1);

    auto* control = new QGroupBox(this);
    auto* controlLayout = new QVBoxLayout(control);
    m_autoSwitch = new QCheckBox(Q(texts::kAutoSwitchScreen), control);
    m_autoSwitch->setChecked(m_settings.plcControlFlags & GlobalSettings::kPlcSelectsScreen);
    m_report = new QCheckBox(Q(texts::kReportScreen), control);
    m_report->setChecked(m_settings.plcControlFlags & GlobalSettings::kReportCurrentScreen);
    controlLayout->addWidget(m_autoSwitch);
    controlLayout->addWidget(m_report);
    controlLayout->addWidget(new QLabel(Q(texts::kControlAddress), control));
    m_address = new AddressPanelWidget(m_settings.controlAddress, project, session, control);
    controlLayout->addWidget(m_address);
    layout->addWidget(control);

    auto* passwords = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* edit = new QLineEdit(QString::number(m_settings.passwords[static_cast<size_t>(i)]), this);
        edit->setObjectName(QStringLiteral("password%1").arg(i + 1));
        passwords->addWidget(new QLabel(Q(texts::kLevelPassword).arg(i + 1), this), i / 2, (i % 2) * 2);
        passwords->addWidget(edit, i / 2, (i % 2) * 2 + 1);
        m_passwords[static_cast<size_t>(i)] = edit;
    }
    layout->addLayout(passwords);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (QAbstractButton* button : {static_cast<QAbstractButton*>(m_showScreen), static_cast<QAbstractButton*>(m_backlight),
                                    static_cast<QAbstractButton*>(m_wake), static_cast<QAbstractButton*>(m_autoSwitch),
                                    static_cast<QAbstractButton*>(m_report)}) {
        connect(button, &QAbstractButton::toggled, this, &GlobalSettingsDialog::UpdateEnabling);
    }
    UpdateEnabling();
}

void GlobalSettingsDialog::UpdateEnabling() {
    m_saverScreen->setEnabled(m_showScreen->isChecked());
    m_wakeLevel->setEnabled(m_wake->isChecked());
    m_address->setEnabled(m_autoSwitch->isChecked() || m_report->isChecked());
}

void GlobalSettingsDialog::accept() {
    std::array<std::string, 8> passwordTexts;
    for (size_t i = 0; i < passwordTexts.size(); ++i) {
        passwordTexts[i] = S(m_passwords[i]->text());
    }
    if (!CheckPasswords(passwordTexts, m_settings.passwords, m_sink)) {
        return;
    }
    GlobalSettings& s = m_settings;
    s.initialScreen = static_cast<uint16_t>(NumberOf(m_initial, s.initialScreen));
    s.passwordScreen = static_cast<uint16_t>(NumberOf(m_passwordScreen, s.passwordScreen));
    s.screenSaverScreen = static_cast<uint16_t>(NumberOf(m_saverScreen, s.screenSaverScreen));
    const int delayRow = m_delay->currentIndex();
    s.screenSaverDelay = delayRow < 11 ? ScreenSaverDelayForItem(delayRow)
                                       : static_cast<uint16_t>(m_delay->currentData().toUInt());
    SetBit(s.optionFlags, kBacklightOnly, m_backlight->isChecked());
    SetBit(s.optionFlags, kWakePassword, m_wake->isChecked());
    SetBit(s.optionFlags, kMute, m_mute->isChecked());
    SetBit(s.optionFlags, kSwap, m_swap->isChecked());
    s.optionFlags = (s.optionFlags & ~kFocusMask) | (static_cast<uint32_t>(m_focus->currentIndex()) << kFocusShift);
    s.wakePasswordLevel = static_cast<uint8_t>(m_wakeLevel->currentIndex());
    SetBit(s.plcControlFlags, GlobalSettings::kPlcSelectsScreen, m_autoSwitch->isChecked());
    SetBit(s.plcControlFlags, GlobalSettings::kReportCurrentScreen, m_report->isChecked());
    if (CMirloProject* project = m_doc.Project()) {
        project->settings = s;
        m_doc.SetModifiedFlag();
    }
    QDialog::accept();
}

bool ShowGlobalSettingsDialog(QWidget* parent, CMirloDoc& doc, const DesignerSession& session) {
    if (doc.Project() == nullptr) {
        return false;
    }
    GlobalSettingsDialog dialog(doc, session, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace balsar::dialogs
