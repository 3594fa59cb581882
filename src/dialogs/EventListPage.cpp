#include "dialogs/EventListPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "dialogs/QtText.h"
#include "elements/CEventListGE.h"
#include "elements/GraphKindStrings.h"

namespace balsar::dialogs {

EventListPage::EventListPage(CEventListGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_list(element) {
    auto* grid = new QGridLayout(this);
    m_number = new QCheckBox(Q(strings::kShowNumber), this);
    m_date = new QCheckBox(Q(strings::kShowDate), this);
    m_order = new QComboBox(this);
    for (const char* name : strings::kDateOrders) {
        m_order->addItem(Q(name));
    }
    m_separator = new QComboBox(this);
    for (const char* separator : strings::kDateSeparators) {
        m_separator->addItem(Q(separator));
    }
    m_fourDigits = new QCheckBox(Q(strings::kFourDigitYear), this);
    m_noZeros = new QCheckBox(Q(strings::kNoLeadingZeros), this);
    m_time = new QCheckBox(Q(strings::kShowTime), this);
    m_timeFormat = new QComboBox(this);
    for (const char* format : strings::kTimeFormats) {
        m_timeFormat->addItem(Q(format));
    }
    grid->addWidget(m_number, 0, 0, 1, 2);
    grid->addWidget(m_date, 1, 0);
    grid->addWidget(m_order, 1, 1);
    grid->addWidget(new QLabel(Q(strings::kDateSeparatorLabel), this), 2, 0);
    grid->addWidget(m_separator, 2, 1);
    grid->addWidget(m_fourDigits, 3, 0);
    grid->addWidget(m_noZeros, 3, 1);
    grid->addWidget(m_time, 4, 0);
    grid->addWidget(m_timeFormat, 4, 1);
    grid->setRowStretch(5, 1);
    for (QCheckBox* box : {m_number, m_date, m_fourDigits, m_noZeros, m_time}) {
        connect(box, &QCheckBox::toggled, this, &EventListPage::Store);
    }
    for (QComboBox* box : {m_order, m_separator, m_timeFormat}) {
        connect(box, &QComboBox::activated, this, &EventListPage::Store);
    }
    Load();
}

void EventListPage::Load() {
    m_loading = true;
    m_number->setChecked(m_list.showNumber != 0);
    m_date->setChecked(m_list.showDate != 0);
    m_order->setCurrentIndex(m_list.dateOrder);
    m_separator->setCurrentIndex(m_list.dateSeparator);
    m_fourDigits->setChecked(m_list.fourDigitYear != 0);
    m_noZeros->setChecked(m_list.noLeadingZeros != 0);
    m_time->setChecked(m_list.showTime != 0);
    m_timeFormat->setCurrentIndex(m_list.timeFormat);
    // The date's details matter only with the date shown, the format only
    // with the time.
    for (QWidget* w : std::initializer_list<QWidget*>{m_order, m_separator, m_fourDigits, m_noZeros}) {
        w->setEnabled(m_list.showDate != 0);
    }
    m_timeFormat->setEnabled(m_list.showTime != 0);
    m_loading = false;
}

void EventListPage::Store() {
    if (m_loading) {
        return;
    }
    m_list.showNumber = m_number->isChecked() ? 1 : 0;
    m_list.showDate = m_date->isChecked() ? 1 : 0;
    m_list.dateOrder = m_order->currentIndex();
    m_list.dateSeparator = m_separator->currentIndex();
    m_list.fourDigitYear = m_fourDigits->isChecked() ? 1 : 0;
    m_list.noLeadingZeros = m_noZeros->isChecked() ? 1 : 0;
    m_list.showTime = m_time->isChecked() ? 1 : 0;
    m_list.timeFormat = m_timeFormat->currentIndex();
    Load();
    emit changed();
}

} // namespace balsar::dialogs
