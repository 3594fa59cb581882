#pragma once
// The attributes every element shares: its position ("位置" X and Y) and
// double size ("倍角").
#include "dialogs/ElementPage.h"

class QCheckBox;
class QSpinBox;

namespace balsar::dialogs {

class CommonAttributePage : public ElementPage {
    Q_OBJECT
public:
    CommonAttributePage(CGraphElement& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    QSpinBox* X() const { return m_x; }
    QSpinBox* Y() const { return m_y; }
    QCheckBox* DoubleSize() const { return m_double; }

private:
    void OnPosition();
    void OnDoubleSize(bool on);

    QSpinBox* m_x;
    QSpinBox* m_y;
    QCheckBox* m_double;
    bool m_loading = false;
};

} // namespace balsar::dialogs
