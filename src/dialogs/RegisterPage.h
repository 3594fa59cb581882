#pragma once
// The register element's page: data type and width, digits, limits and
// scaling, password level, size, alignment, and its address.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace balsar {
class CRegisterGE;
struct RegisterFormat;
} // namespace balsar

namespace balsar::dialogs {

class AddressPanelWidget;

class RegisterPage : public ElementPage {
    Q_OBJECT
public:
    RegisterPage(CRegisterGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;
    // Input limits, when on, must lie in the range the display can show.
    bool Commit() override;

    QComboBox* Type() const { return m_type; }
    QComboBox* Width() const { return m_width; }
    QComboBox* IntegerDigits() const { return m_integer; }
    QComboBox* DecimalDigits() const { return m_decimal; }
    QCheckBox* LeadingZeros() const { return m_zeros; }
    QComboBox* Size() const { return m_size; }
    QCheckBox* InputAllowed() const { return m_input; }
    QComboBox* PasswordLevel() const { return m_level; }
    QCheckBox* InputLimits() const { return m_limits; }
    QLineEdit* InputUpper() const { return m_inputUpper; }
    QLineEdit* InputLower() const { return m_inputLower; }
    QCheckBox* Scaling() const { return m_scaling; }
    QLineEdit* ScaleUpper() const { return m_scaleUpper; }
    QLineEdit* ScaleLower() const { return m_scaleLower; }
    QComboBox* Alignment() const { return m_alignment; }
    QCheckBox* KeepLevel() const { return m_keep; }
    QCheckBox* Reverse() const { return m_reverse; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    void ChangeFormat(const RegisterFormat& format);
    // A limit box's value: refused with the "输入越界" message outside what
    // the boxes accept, the box then shows the stored value again.
    void TakeLimit(QLineEdit* edit, double& value);

    CRegisterGE& m_register;
    bool m_loading = false;
    QComboBox* m_type;
    QComboBox* m_width;
    QComboBox* m_integer;
    QComboBox* m_decimal;
    QCheckBox* m_zeros;
    QComboBox* m_size;
    QCheckBox* m_input;
    QComboBox* m_level;
    QCheckBox* m_limits;
    QLineEdit* m_inputUpper;
    QLineEdit* m_inputLower;
    QCheckBox* m_scaling;
    QLineEdit* m_scaleUpper;
    QLineEdit* m_scaleLower;
    QComboBox* m_alignment;
    QCheckBox* m_keep;
    QCheckBox* m_reverse;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
