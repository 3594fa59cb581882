#pragma once
// "通讯高级设置": the timing and packing values of a port's driver.
#include <QDialog>
#include <array>

#include "plc/AdvancedPortSettings.h"

class QLineEdit;
class QRadioButton;

namespace balsar::dialogs {

class AdvancedSettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEdits = 10;

    AdvancedSettingsDialog(const AdvancedPortSettings& current, const AdvancedPortSettings& defaults,
                           QWidget* parent = nullptr);

    void accept() override;
    // The values after OK.
    const AdvancedPortSettings& Settings() const { return m_settings; }
    // In the order of the dialog: commTimeout, protocolTimeout1,
    // protocolTimeout2, bitGap, wordGap, maxBits, maxWords, commInterval,
    // errorShowTime, retries.
    QLineEdit* Edit(int i) const { return m_edits[static_cast<size_t>(i)]; }
    QRadioButton* Retry() const { return m_retry; }
    QRadioButton* CutOff() const { return m_cutOff; }
    void RestoreDefaults();

private:
    void Show(const AdvancedPortSettings& settings);

    AdvancedPortSettings m_settings;
    AdvancedPortSettings m_defaults;
    std::array<QLineEdit*, kEdits> m_edits{};
    QRadioButton* m_retry;
    QRadioButton* m_cutOff;
};

} // namespace balsar::dialogs
