#pragma once
// "功能键属性": the key of the panel model, its function with the action's
// own page, password level, size, hand, hidden, reverse, keep level, and the
// address the bit and word functions write.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QStackedWidget;

namespace balsar {
class CFunckeyGE;
}

namespace balsar::dialogs {

class AddressPanelWidget;
class BitActionPage;
class JumpActionPage;
class WordActionPage;

class FunckeyPage : public ElementPage {
    Q_OBJECT
public:
    FunckeyPage(CFunckeyGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;
    // The page's title, also the dialog's.
    static QString Caption();

    QComboBox* Key() const { return m_key; }
    QComboBox* Function() const { return m_function; }
    QComboBox* PasswordLevel() const { return m_level; }
    QComboBox* Size() const { return m_size; }
    QCheckBox* Hand() const { return m_hand; }
    QCheckBox* Hidden() const { return m_hidden; }
    QCheckBox* Reverse() const { return m_reverse; }
    QCheckBox* KeepLevel() const { return m_keep; }
    QStackedWidget* ActionPages() const { return m_actions; }
    JumpActionPage* JumpPage() const { return m_jumpPage; }
    BitActionPage* BitPage() const { return m_bitPage; }
    WordActionPage* WordPage() const { return m_wordPage; }
    QGroupBox* AddressGroup() const { return m_addressGroup; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    // The key list: the model's keys by name, and the element's own code
    // when the model does not list it.
    void FillKeys();

    CFunckeyGE& m_funckey;
    QComboBox* m_key;
    QComboBox* m_function;
    QComboBox* m_level;
    QComboBox* m_size;
    QCheckBox* m_hand;
    QCheckBox* m_hidden;
    QCheckBox* m_reverse;
    QCheckBox* m_keep;
    QStackedWidget* m_actions;
    JumpActionPage* m_jumpPage;
    BitActionPage* m_bitPage;
    WordActionPage* m_wordPage;
    QGroupBox* m_addressGroup;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
