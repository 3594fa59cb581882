#pragma once
// The bar graph's page ("棒图属性"): data type and width, growth direction,
// zero-scale and full-scale values, and the register it shows.
#include "dialogs/ElementPage.h"

class QComboBox;

namespace balsar {
class CBarGE;
}

namespace balsar::dialogs {

class AddressPanelWidget;
class BarPageScaleBox;

class BarPage : public ElementPage {
    Q_OBJECT
public:
    BarPage(CBarGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    BarPageScaleBox* Scale() const { return m_scale; }
    QComboBox* Direction() const { return m_direction; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    CBarGE& m_bar;
    BarPageScaleBox* m_scale;
    QComboBox* m_direction;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
