#include "dialogs/LampPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

#include "dialogs/DialogStrings.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/QtText.h"
#include "elements/CLedGE.h"
#include "elements/KeysLampsStrings.h"

namespace balsar::dialogs {

QString LampPage::Caption() { return Q(strings::kLampTitle); }

LampPage::LampPage(CLedGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_lamp(element) {
    auto* grid = new QGridLayout(this);
    m_shape = new QComboBox(this);
    for (const char* name : strings::kLampShapeNames) {
        m_shape->addItem(Q(name));
    }
    m_size = new QComboBox(this);
    for (const char* size : strings::kKeySizeNames) {
        m_size->addItem(Q(size));
    }
    m_negative = new QCheckBox(Q(strings::kNegativeLogic), this);
    m_flash = new QCheckBox(Q(strings::kFlash), this);
    m_flashState = new QComboBox(this);
    for (const char* name : strings::kFlashStateNames) {
        m_flashState->addItem(Q(name));
    }
    // The period is a 16-bit count of 100 ms steps.
    m_period = new QSpinBox(this);
    m_period->setRange(1, 65535);

    grid->addWidget(new QLabel(Q(strings::kLampShapeLabel), this), 0, 0);
    grid->addWidget(m_shape, 0, 1);
    grid->addWidget(new QLabel(Q(strings::kLampSizeLabel), this), 0, 2);
    grid->addWidget(m_size, 0, 3);
    grid->addWidget(m_negative, 1, 0, 1, 2);
    grid->addWidget(m_flash, 2, 0);
    grid->addWidget(m_flashState, 2, 1);
    grid->addWidget(new QLabel(Q(strings::kPeriodLabel), this), 2, 2);
    grid->addWidget(m_period, 2, 3);
    grid->addWidget(new QLabel(Q(strings::kPeriodUnit), this), 2, 4);
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address = new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, 3, 0, 1, 5);
    grid->setRowStretch(4, 1);

    connect(m_shape, &QComboBox::activated, this, [this](int shape) {
        m_lamp.shape = shape;
        emit changed();
    });
    connect(m_size, &QComboBox::activated, this, [this](int size) {
        m_lamp.SetSizeIndex(size);
        emit changed();
    });
    connect(m_negative, &QCheckBox::clicked, this, [this](bool on) {
        m_lamp.negativeLogic = on ? 1 : 0;
        emit changed();
    });
    connect(m_flash, &QCheckBox::clicked, this, [this](bool on) {
        m_lamp.flash = on ? 1 : 0;
        Load();
        emit changed();
    });
    connect(m_flashState, &QComboBox::activated, this, [this](int state) { m_lamp.flashState = state; });
    connect(m_period, &QSpinBox::valueChanged, this, [this](int period) {
        if (!m_loading) {
            m_lamp.period = period;
        }
    });
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void LampPage::Load() {
    m_loading = true;
    m_shape->setCurrentIndex(std::clamp(m_lamp.shape, 0, 1));
    m_size->setCurrentIndex(std::clamp(m_lamp.GetSizeIndex(), 0, 4));
    m_negative->setChecked(m_lamp.negativeLogic != 0);
    m_flash->setChecked(m_lamp.flash != 0);
    m_flashState->setCurrentIndex(std::clamp(m_lamp.flashState, 0, 1));
    m_period->setValue(m_lamp.period);
    // The flash state and period only matter while the lamp flashes.
    m_flashState->setEnabled(m_lamp.flash != 0);
    m_period->setEnabled(m_lamp.flash != 0);
    m_loading = false;
}

} // namespace balsar::dialogs
