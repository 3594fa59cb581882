#pragma once
// The settings pages of a function key's three actions, shown inside the
// key's page according to its function. Every change is written to the
// action at once.
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace balsar {
class CBitSet;
class CJumpFrame;
class CMirloProject;
class CWordSet;
} // namespace balsar

namespace balsar::dialogs {

// "跳转画面": jump to a screen of the list, back, password or alarm-list
// screen. The screen list is enabled only for a jump to a screen; the
// target stays stored for the other kinds.
class JumpActionPage : public QWidget {
    Q_OBJECT
public:
    JumpActionPage(CJumpFrame& action, const CMirloProject* project, QWidget* parent = nullptr);
    void Load();

    QRadioButton* KindButton(int kind) const;
    QComboBox* Screens() const { return m_screens; }

signals:
    void changed();

private:
    CJumpFrame& m_action;
    bool m_loading = false;
    QButtonGroup* m_kinds;
    QComboBox* m_screens;
};

// "位设定": the mode written to the key's bit.
class BitActionPage : public QWidget {
    Q_OBJECT
public:
    BitActionPage(CBitSet& action, QWidget* parent = nullptr);
    void Load();

    QComboBox* Mode() const { return m_mode; }

signals:
    void changed();

private:
    CBitSet& m_action;
    QComboBox* m_mode;
};

// "字设定": the mode, its value and limit, delay and rate of the stepping
// modes and whether stepping starts at once.
class WordActionPage : public QWidget {
    Q_OBJECT
public:
    WordActionPage(CWordSet& action, QWidget* parent = nullptr);
    void Load();

    QComboBox* Mode() const { return m_mode; }
    QLabel* ValueLabel() const { return m_valueLabel; }
    QSpinBox* Value() const { return m_value; }
    QLabel* LimitLabel() const { return m_limitLabel; }
    QSpinBox* Limit() const { return m_limit; }
    QComboBox* Delay() const { return m_delay; }
    QComboBox* Speed() const { return m_speed; }
    QCheckBox* Immediate() const { return m_immediate; }

signals:
    void changed();

private:
    CWordSet& m_action;
    bool m_loading = false;
    QComboBox* m_mode;
    QLabel* m_valueLabel;
    QSpinBox* m_value;
    QLabel* m_limitLabel;
    QSpinBox* m_limit;
    QComboBox* m_delay;
    QComboBox* m_speed;
    QCheckBox* m_immediate;
};

} // namespace balsar::dialogs
