#include "dialogs/AsciiPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include "dialogs/DialogStrings.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/QtText.h"
#include "dialogs/RangeSpinBox.h"
#include "project/DesignerSession.h"
#include "elements/CAsciiGE.h"
#include "elements/GraphKindStrings.h"

namespace balsar::dialogs {

AsciiPage::AsciiPage(CAsciiGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_ascii(element) {
    auto* grid = new QGridLayout(this);
    auto* display = new QGroupBox(Q(strings::kAsciiDisplayGroup), this);
    auto* displayGrid = new QGridLayout(display);
    m_size = new QComboBox(display);
    for (const char* size : strings::kAsciiSizes) {
        m_size->addItem(Q(size));
    }
    m_reverse = new QCheckBox(Q(strings::kReverseLabel), display);
    auto* countBox = new RangeSpinBox(display);
    countBox->SetMessageSink(&pageContext.session.sink);
    m_count = countBox;
    displayGrid->addWidget(new QLabel(Q(strings::kAsciiSizeLabel), display), 0, 0);
    displayGrid->addWidget(m_size, 0, 1);
    displayGrid->addWidget(m_reverse, 0, 2);
    displayGrid->addWidget(new QLabel(Q(strings::kAsciiCountLabel), display), 1, 0);
    displayGrid->addWidget(m_count, 1, 1);
    grid->addWidget(display, 0, 0);
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address =
        new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, 1, 0);
    grid->setRowStretch(2, 1);
    connect(m_size, &QComboBox::activated, this, [this](int index) {
        m_ascii.SetSizeIndex(index);
        // A larger size may hold fewer characters on the screen.
        const CharCountRange range = CountRange();
        if (m_ascii.GetCharCount() > range.largest) {
            m_ascii.SetCharCount(range.largest);
        }
        Load();
        emit changed();
    });
    connect(m_reverse, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_loading) {
            m_ascii.SetReverse(on ? 1 : 0);
            emit changed();
        }
    });
    connect(m_count, &QSpinBox::valueChanged, this, [this](int count) {
        if (!m_loading && count != m_ascii.GetCharCount()) {
            m_ascii.SetCharCount(count);
            // The registers read are as many words as the characters need.
            m_address->FixTextLength(count);
            emit changed();
        }
    });
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void AsciiPage::Load() {
    m_loading = true;
    m_size->setCurrentIndex(m_ascii.GetSizeIndex());
    m_reverse->setChecked(m_ascii.GetReverse() != 0);
    const CharCountRange range = CountRange();
    m_count->setRange(range.lowest, range.largest);
    m_count->setValue(m_ascii.GetCharCount());
    m_address->FixTextLength(m_ascii.GetCharCount());
    m_loading = false;
}

CharCountRange AsciiPage::CountRange() const {
    return AsciiCharCountRange(m_ascii.GetSizeIndex(), m_page.screenWidth, m_ascii.GetLeft(),
                               m_ascii.GetDoubleSize() != 0);
}

} // namespace balsar::dialogs
