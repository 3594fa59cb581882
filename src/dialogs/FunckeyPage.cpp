#include "dialogs/FunckeyPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <algorithm>

#include "dialogs/DialogStrings.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/FunckeyPageStrings.h"
#include "dialogs/KeyActionPages.h"
#include "dialogs/QtText.h"
#include "elements/CFunckeyGE.h"
#include "elements/KeysLampsStrings.h"
#include "hardware/HardwareModel.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

QString FunckeyPage::Caption() { return Q(strings::kFunckeyTitle); }

FunckeyPage::FunckeyPage(CFunckeyGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_funckey(element) {
    auto* grid = new QGridLayout(this);
    m_key = new QComboBox(this);
    m_function = new QComboBox(this);
    for (const char* name : strings::kKeyFunctionNames) {
        m_function->addItem(Q(name));
    }
    m_level = new QComboBox(this);
    for (int level = 0; level <= 8; ++level) {
        m_level->addItem(QString::number(level));
    }
    m_size = new QComboBox(this);
    for (const char* size : strings::kKeySizeNames) {
        m_size->addItem(Q(size));
    }
    m_hand = new QCheckBox(Q(strings::kHand), this);
    m_hidden = new QCheckBox(Q(strings::kHidden), this);
    m_reverse = new QCheckBox(Q(strings::kReverseShown), this);
    m_keep = new QCheckBox(Q(strings::kKeepLevel), this);
    m_actions = new QStackedWidget(this);
    m_jumpPage = new JumpActionPage(element.Jump(), pageContext.project, m_actions);
    m_bitPage = new BitActionPage(element.Bit(), m_actions);
    m_wordPage = new WordActionPage(element.Word(), m_actions);
    m_actions->addWidget(m_jumpPage);
    m_actions->addWidget(m_bitPage);
    m_actions->addWidget(m_wordPage);
    m_addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(m_addressGroup);
    m_address = new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, m_addressGroup);
    addressLayout->addWidget(m_address);

    grid->addWidget(new QLabel(Q(texts::kFunckeyKeyLabel), this), 0, 0);
    grid->addWidget(m_key, 0, 1);
    grid->addWidget(new QLabel(Q(texts::kFunckeyFunctionLabel), this), 0, 2);
    grid->addWidget(m_function, 0, 3);
    grid->addWidget(new QLabel(Q(texts::kFunckeyLevelLabel), this), 1, 0);
    grid->addWidget(m_level, 1, 1);
    grid->addWidget(new QLabel(Q(texts::kFunckeySizeLabel), this), 1, 2);
    grid->addWidget(m_size, 1, 3);
    grid->addWidget(m_hand, 2, 0);
    grid->addWidget(m_hidden, 2, 1);
    grid->addWidget(m_reverse, 2, 2);
    grid->addWidget(m_keep, 2, 3);
    auto* actionGroup = new QGroupBox(this);
    auto* actionLayout = new QGridLayout(actionGroup);
    actionLayout->addWidget(m_actions);
    grid->addWidget(actionGroup, 3, 0, 1, 4);
    grid->addWidget(m_addressGroup, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);

    connect(m_key, &QComboBox::activated, this, [this](int row) {
        m_funckey.SetKeyCode(m_key->itemData(row).toInt());
        Load();
        emit changed();
    });
    connect(m_function, &QComboBox::activated, this, [this](int function) {
        m_funckey.SetFunction(function);
        // A bit key writes a bit, a word key a word; the port stays.
        if (function == CFunckeyGE::FUNCTION_BIT) {
            m_address->SetWidth(WIDTH_BIT);
        } else if (function == CFunckeyGE::FUNCTION_WORD) {
            m_address->SetWidth(WIDTH_WORD);
        }
        Load();
        emit changed();
    });
    connect(m_level, &QComboBox::activated, this, [this](int level) { m_funckey.SetPasswordLevel(level); });
    connect(m_size, &QComboBox::activated, this, [this](int size) {
        m_funckey.SetSizeIndex(size);
        emit changed();
    });
    connect(m_hand, &QCheckBox::clicked, this, [this](bool on) {
        m_funckey.SetHand(on ? 1 : 0);
        emit changed();
    });
    connect(m_hidden, &QCheckBox::clicked, this, [this](bool on) {
        m_funckey.SetHidden(on ? 1 : 0);
        emit changed();
    });
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) {
        m_funckey.SetReverse(on ? 1 : 0);
        emit changed();
    });
    connect(m_keep, &QCheckBox::clicked, this, [this](bool on) { m_funckey.SetKeepLevel(on ? 1 : 0); });
    connect(m_jumpPage, &JumpActionPage::changed, this, &ElementPage::changed);
    connect(m_bitPage, &BitActionPage::changed, this, &ElementPage::changed);
    connect(m_wordPage, &WordActionPage::changed, this, &ElementPage::changed);
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void FunckeyPage::FillKeys() {
    m_key->clear();
    for (const HardwareKey& key : m_page.session.Model().Keys()) {
        m_key->addItem(Q(key.name), key.code);
    }
    if (m_key->findData(m_funckey.GetKeyCode()) < 0) {
        m_key->addItem(QString::number(m_funckey.GetKeyCode()), m_funckey.GetKeyCode());
    }
}

void FunckeyPage::Load() {
    FillKeys();
    m_key->setCurrentIndex(m_key->findData(m_funckey.GetKeyCode()));
    const int32_t function = std::clamp(m_funckey.GetFunction(), 0, 2);
    m_function->setCurrentIndex(function);
    m_level->setCurrentIndex(std::clamp(m_funckey.GetPasswordLevel(), 0, 8));
    m_size->setCurrentIndex(std::clamp(m_funckey.GetSizeIndex(), 0, 4));
    m_hand->setChecked(m_funckey.GetHand() != 0);
    m_hidden->setChecked(m_funckey.GetHidden() != 0);
    m_reverse->setChecked(m_funckey.GetReverse() != 0);
    m_keep->setChecked(m_funckey.GetKeepLevel() != 0);
    m_actions->setCurrentIndex(function);
    m_jumpPage->Load();
    m_bitPage->Load();
    m_wordPage->Load();
    m_addressGroup->setEnabled(m_funckey.WritesAddress());
    m_address->Refresh();
}

} // namespace balsar::dialogs
