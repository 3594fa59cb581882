#pragma once
// The ASCII string element's page: group "显示" with the size list
// ("字  号:"), "反相" and the character count ("字符数:"), and the address.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace balsar {
class CAsciiGE;
struct CharCountRange;
}

namespace balsar::dialogs {

class AddressPanelWidget;

class AsciiPage : public ElementPage {
    Q_OBJECT
public:
    AsciiPage(CAsciiGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    QComboBox* Size() const { return m_size; }
    QCheckBox* Reverse() const { return m_reverse; }
    QSpinBox* CharCount() const { return m_count; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    CharCountRange CountRange() const;

    CAsciiGE& m_ascii;
    bool m_loading = false;
    QComboBox* m_size;
    QCheckBox* m_reverse;
    QSpinBox* m_count;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
