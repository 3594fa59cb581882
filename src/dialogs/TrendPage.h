#pragma once
// The trend graph's page ("趋势图属性"): data type and width, zero-scale and
// full-scale values, point count and sampling ("采样频率:"), and the
// register it plots.
#include "dialogs/ElementPage.h"

class QSpinBox;

namespace balsar {
class CTrendGE;
}

namespace balsar::dialogs {

class AddressPanelWidget;
class BarPageScaleBox;

class TrendPage : public ElementPage {
    Q_OBJECT
public:
    // A point count the trend's width cannot show is lowered at once.
    TrendPage(CTrendGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    BarPageScaleBox* Scale() const { return m_scale; }
    QSpinBox* PointCount() const { return m_points; }
    QSpinBox* Sampling() const { return m_sampling; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    CTrendGE& m_trend;
    bool m_loading = false;
    BarPageScaleBox* m_scale;
    QSpinBox* m_points;
    QSpinBox* m_sampling;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
