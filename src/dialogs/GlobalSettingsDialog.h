#pragma once
// "全局设定": start and password screens, screen saver, switches, the PLC
// control functions with their address, and the eight level passwords.
#include <QDialog>
#include <array>

#include "project/GlobalSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace balsar {
class CMirloDoc;
class DesignerSession;
class MessageSink;
} // namespace balsar

namespace balsar::dialogs {

class AddressPanelWidget;

class GlobalSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Edits a copy of the open project's settings; OK writes them back and
    // marks the document modified.
    GlobalSettingsDialog(CMirloDoc& doc, const DesignerSession& session, QWidget* parent = nullptr);

    void accept() override;
    const GlobalSettings& Settings() const { return m_settings; }

    QComboBox* InitialScreen() const { return m_initial; }
    QComboBox* PasswordScreen() const { return m_passwordScreen; }
    QComboBox* Delay() const { return m_delay; }
    QRadioButton* ShowScreen() const { return m_showScreen; }
    QRadioButton* BacklightOnly() const { return m_backlight; }
    QComboBox* SaverScreen() const { return m_saverScreen; }
    QCheckBox* WakePassword() const { return m_wake; }
    QComboBox* WakeLevel() const { return m_wakeLevel; }
    QCheckBox* Mute() const { return m_mute; }
    QCheckBox* Swap() const { return m_swap; }
    QComboBox* Focus() const { return m_focus; }
    QCheckBox* AutoSwitch() const { return m_autoSwitch; }
    QCheckBox* Report() const { return m_report; }
    AddressPanelWidget* ControlAddress() const { return m_address; }
    QLineEdit* Password(int level) const { return m_passwords[static_cast<size_t>(level)]; }

private:
    void UpdateEnabling();

    CMirloDoc& m_doc;
    MessageSink& m_sink;
    GlobalSettings m_settings;
    QComboBox* m_initial;
    QComboBox* m_passwordScreen;
    QComboBox* m_delay;
    QRadioButton* m_showScreen;
    QRadioButton* m_backlight;
    QComboBox* m_saverScreen;
    QCheckBox* m_wake;
    QComboBox* m_wakeLevel;
    QCheckBox* m_mute;
    QCheckBox* m_swap;
    QComboBox* m_focus;
    QCheckBox* m_autoSwitch;
    QCheckBox* m_report;
    AddressPanelWidget* m_address;
    std::array<QLineEdit*, 8> m_passwords{};
};

// Opens the dialog on the open project; true when OK stored new settings.
bool ShowGlobalSettingsDialog(QWidget* parent, CMirloDoc& doc, const DesignerSession& session);

} // namespace balsar::dialogs
