#include "dialogs/BarPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "dialogs/AddressPanelWidget.h"
#include "dialogs/BarPageScaleBox.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "project/DesignerSession.h"
#include "elements/CBarGE.h"
#include "elements/GraphKindStrings.h"

namespace balsar::dialogs {

BarPage::BarPage(CBarGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_bar(element) {
    auto* grid = new QGridLayout(this);
    m_scale = new BarPageScaleBox(element.Scale(), this);
    m_scale->SetMessageSink(&pageContext.session.sink);
    m_direction = new QComboBox(this);
    for (const char* name : strings::kBarDirections) {
        m_direction->addItem(Q(name));
    }
    grid->addWidget(m_scale, 0, 0, 1, 2);
    grid->addWidget(m_direction, 1, 0);
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address =
        new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    connect(m_scale, &BarPageScaleBox::changed, this, &ElementPage::changed);
    connect(m_direction, &QComboBox::activated, this, [this](int direction) {
        m_bar.ChangeDirection(direction);
        emit changed();
    });
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void BarPage::Load() {
    m_scale->Load();
    m_direction->setCurrentIndex(m_bar.GetDirection());
    m_address->Refresh();
}

} // namespace balsar::dialogs
