#include "dialogs/CommonAttributePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "elements/CStaticText.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

CommonAttributePage::CommonAttributePage(CGraphElement& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent) {
    auto* grid = new QGridLayout(this);
    auto* position = new QGroupBox(Q(texts::kPosition), this);
    auto* positionGrid = new QGridLayout(position);
    m_x = new QSpinBox(position);
    m_y = new QSpinBox(position);
    m_x->setRange(0, std::max(0, pageContext.screenWidth - 1));
    m_y->setRange(0, std::max(0, pageContext.screenHeight - 1));
    positionGrid->addWidget(new QLabel(QStringLiteral("X"), position), 0, 0);
    positionGrid->addWidget(m_x, 0, 1);
    positionGrid->addWidget(new QLabel(QStringLiteral("Y"), position), 1, 0);
    positionGrid->addWidget(m_y, 1, 1);
    grid->addWidget(position, 0, 0);
    m_double = new QCheckBox(Q(texts::kDoubleSize), this);
    grid->addWidget(m_double, 1, 0);
    grid->setRowStretch(2, 1);
    connect(m_x, &QSpinBox::valueChanged, this, &CommonAttributePage::OnPosition);
    connect(m_y, &QSpinBox::valueChanged, this, &CommonAttributePage::OnPosition);
    connect(m_double, &QCheckBox::toggled, this, &CommonAttributePage::OnDoubleSize);
    Load();
}

void CommonAttributePage::Load() {
    m_loading = true;
    m_x->setValue(m_element.GetLeft());
    m_y->setValue(m_element.GetTop());
    m_double->setChecked(m_element.GetDoubleSize() != 0);
    m_loading = false;
}

void CommonAttributePage::OnPosition() {
    if (m_loading) {
        return;
    }
    // A place where the element would leave the screen is refused.
    if (!m_element.FitsOnScreenAt(m_x->value(), m_y->value(), m_page.screenWidth, m_page.screenHeight)) {
        Load();
        return;
    }
    m_element.SetTopLeft(m_x->value(), m_y->value());
    emit changed();
}

void CommonAttributePage::OnDoubleSize(bool on) {
    if (m_loading) {
        return;
    }
    auto* text = dynamic_cast<CStaticText*>(&m_element);
    if (on && text != nullptr) {
        text->TurnDoubleSizeOn(m_page.screenWidth, m_page.screenHeight, m_page.session.sink);
    } else {
        m_element.ChangeDoubleSize(on, m_page.screenWidth, m_page.screenHeight);
    }
    Load();
    emit changed();
}

} // namespace balsar::dialogs
