#pragma once
// "指示灯属性": shape, size, negative logic, flashing with its state and
// period, and the lamp's bit address.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace balsar {
class CLedGE;
}

namespace balsar::dialogs {

class AddressPanelWidget;

class LampPage : public ElementPage {
    Q_OBJECT
public:
    LampPage(CLedGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;
    // The page's title, also the dialog's.
    static QString Caption();

    QComboBox* Shape() const { return m_shape; }
    QComboBox* Size() const { return m_size; }
    QCheckBox* NegativeLogic() const { return m_negative; }
    QCheckBox* Flash() const { return m_flash; }
    QComboBox* FlashState() const { return m_flashState; }
    QSpinBox* Period() const { return m_period; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    CLedGE& m_lamp;
    bool m_loading = false;
    QComboBox* m_shape;
    QComboBox* m_size;
    QCheckBox* m_negative;
    QCheckBox* m_flash;
    QComboBox* m_flashState;
    QSpinBox* m_period;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
