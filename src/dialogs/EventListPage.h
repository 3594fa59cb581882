#pragma once
// The event list element's page: what each line starts with ("显示序号",
// "显示日期" with its order, "日期分隔符", "显示4位年份" and "日月消零",
// "显示时间" with its format).
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;

namespace balsar {
class CEventListGE;
}

namespace balsar::dialogs {

class EventListPage : public ElementPage {
    Q_OBJECT
public:
    EventListPage(CEventListGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    QCheckBox* ShowNumber() const { return m_number; }
    QCheckBox* ShowDate() const { return m_date; }
    QComboBox* DateOrder() const { return m_order; }
    QComboBox* Separator() const { return m_separator; }
    QCheckBox* FourDigitYear() const { return m_fourDigits; }
    QCheckBox* NoLeadingZeros() const { return m_noZeros; }
    QCheckBox* ShowTime() const { return m_time; }
    QComboBox* TimeFormat() const { return m_timeFormat; }

private:
    void Store();

    CEventListGE& m_list;
    bool m_loading = false;
    QCheckBox* m_number;
    QCheckBox* m_date;
    QComboBox* m_order;
    QComboBox* m_separator;
    QCheckBox* m_fourDigits;
    QCheckBox* m_noZeros;
    QCheckBox* m_time;
    QComboBox* m_timeFormat;
};

} // namespace balsar::dialogs
