#include "dialogs/KeyActionPages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <limits>

#include "dialogs/QtText.h"
#include "dialogs/ScreenChoices.h"
#include "elements/CBitSet.h"
#include "elements/CJumpFrame.h"
#include "elements/CWordSet.h"
#include "elements/KeysLampsStrings.h"

namespace balsar::dialogs {

JumpActionPage::JumpActionPage(CJumpFrame& action, const CMirloProject* project, QWidget* parent)
    : QWidget(parent), m_action(action) {
    auto* grid = new QGridLayout(this);
    m_kinds = new QButtonGroup(this);
    const char* names[4] = {strings::kJumpToScreen, strings::kJumpBack, strings::kJumpPassword,
                            strings::kJumpAlarmList};
    for (int kind = 0; kind < 4; ++kind) {
        auto* button = new QRadioButton(Q(names[kind]), this);
        m_kinds->addButton(button, kind);
        grid->addWidget(button, kind, 0);
    }
    m_screens = new QComboBox(this);
    FillScreenNumbers(m_screens, project);
    grid->addWidget(m_screens, 0, 1);
    grid->setRowStretch(4, 1);

    connect(m_kinds, &QButtonGroup::idClicked, this, [this](int kind) {
        m_action.kind = kind;
        Load();
        emit changed();
    });
    connect(m_screens, &QComboBox::activated, this, [this] {
        const int64_t number = NumberOf(m_screens, m_action.targetScreen);
        if (number >= 0 && number <= std::numeric_limits<uint16_t>::max()) {
            m_action.targetScreen = static_cast<uint16_t>(number);
        }
        emit changed();
    });
    Load();
}

QRadioButton* JumpActionPage::KindButton(int kind) const {
    return qobject_cast<QRadioButton*>(m_kinds->button(kind));
}

void JumpActionPage::Load() {
    m_loading = true;
    if (QAbstractButton* button = m_kinds->button(m_action.kind)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = m_kinds->checkedButton()) {
        // A kind no button stands for: none is shown as chosen.
        m_kinds->setExclusive(false);
        checked->setChecked(false);
        m_kinds->setExclusive(true);
    }
    ShowNumber(m_screens, m_action.targetScreen);
    m_screens->setEnabled(m_action.TargetEnabled());
    m_loading = false;
}

BitActionPage::BitActionPage(CBitSet& action, QWidget* parent) : QWidget(parent), m_action(action) {
    auto* grid = new QGridLayout(this);
    m_mode = new QComboBox(this);
    for (const char* name : strings::kBitModeNames) {
        m_mode->addItem(Q(name));
    }
    grid->addWidget(new QLabel(Q(strings::kSetMode), this), 0, 0);
    grid->addWidget(m_mode, 0, 1);
    grid->setRowStretch(1, 1);
    connect(m_mode, &QComboBox::activated, this, [this](int mode) {
        m_action.mode = mode;
        emit changed();
    });
    Load();
}

void BitActionPage::Load() { m_mode->setCurrentIndex(std::clamp(m_action.mode, 0, CBitSet::kModeCount - 1)); }

WordActionPage::WordActionPage(CWordSet& action, QWidget* parent) : QWidget(parent), m_action(action) {
    auto* grid = new QGridLayout(this);
    m_mode = new QComboBox(this);
    for (const char* name : strings::kWordModeNames) {
        m_mode->addItem(Q(name));
    }
    m_valueLabel = new QLabel(this);
    m_limitLabel = new QLabel(this);
    m_value = new QSpinBox(this);
    m_limit = new QSpinBox(this);
    for (QSpinBox* box : {m_value, m_limit}) {
        box->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    }
    m_delay = new QComboBox(this);
    m_speed = new QComboBox(this);
    for (int i = 0; i < CWordSet::kTenthsCount; ++i) {
        m_delay->addItem(Q(CWordSet::TenthsText(i)));
        m_speed->addItem(Q(CWordSet::TenthsText(i)));
    }
    m_immediate = new QCheckBox(Q(strings::kImmediate), this);
    grid->addWidget(new QLabel(Q(strings::kSetMode), this), 0, 0);
    grid->addWidget(m_mode, 0, 1);
    grid->addWidget(m_valueLabel, 1, 0);
    grid->addWidget(m_value, 1, 1);
    grid->addWidget(m_limitLabel, 2, 0);
    grid->addWidget(m_limit, 2, 1);
    grid->addWidget(new QLabel(Q(strings::kDelayTime), this), 3, 0);
    grid->addWidget(m_delay, 3, 1);
    grid->addWidget(new QLabel(Q(strings::kExecutionRate), this), 4, 0);
    grid->addWidget(m_speed, 4, 1);
    grid->addWidget(m_immediate, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);

    connect(m_mode, &QComboBox::activated, this, [this](int mode) {
        m_action.mode = mode;
        Load();
        emit changed();
    });
    connect(m_value, &QSpinBox::valueChanged, this, [this](int value) {
        if (!m_loading) {
            m_action.value = value;
        }
    });
    connect(m_limit, &QSpinBox::valueChanged, this, [this](int limit) {
        if (!m_loading) {
            m_action.limit = limit;
        }
    });
    // The lists store tenths of a second: entry i is i + 1.
    connect(m_delay, &QComboBox::activated, this, [this](int row) { m_action.delay = row + 1; });
    connect(m_speed, &QComboBox::activated, this, [this](int row) { m_action.speed = row + 1; });
    connect(m_immediate, &QCheckBox::clicked, this, [this](bool on) { m_action.immediate = on ? 1 : 0; });
    Load();
}

void WordActionPage::Load() {
    m_loading = true;
    const int32_t mode = m_action.mode;
    m_mode->setCurrentIndex(std::clamp(mode, 0, CWordSet::kModeCount - 1));
    m_valueLabel->setText(Q(CWordSet::ValueLabel(mode)));
    m_limitLabel->setText(Q(CWordSet::LimitLabel(mode)));
    m_value->setValue(m_action.value);
    m_limit->setValue(m_action.limit);
    m_limit->setEnabled(CWordSet::UsesLimit(mode));
    m_delay->setCurrentIndex(std::clamp(m_action.delay - 1, 0, CWordSet::kTenthsCount - 1));
    m_speed->setCurrentIndex(std::clamp(m_action.speed - 1, 0, CWordSet::kTenthsCount - 1));
    m_immediate->setChecked(m_action.immediate != 0);
    const bool timing = CWordSet::UsesTiming(mode);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_delay, m_speed, m_immediate}) {
        widget->setEnabled(timing);
    }
    m_loading = false;
}

} // namespace balsar::dialogs
