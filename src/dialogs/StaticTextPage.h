#pragma once
// "静态文本属性": the text, its size, language and font, reverse display and
// the built-in dot-matrix font.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace balsar {
class CStaticText;
struct StaticTextAttributes;
} // namespace balsar

namespace balsar::dialogs {

class StaticTextPage : public ElementPage {
    Q_OBJECT
public:
    StaticTextPage(CStaticText& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    QLineEdit* Text() const { return m_text; }
    QComboBox* Size() const { return m_size; }
    QComboBox* Language() const { return m_language; }
    QComboBox* Font() const { return m_font; }
    QCheckBox* Reverse() const { return m_reverse; }
    QCheckBox* DotMatrix() const { return m_dotMatrix; }

private:
    // Hands a change to the element's rules; the controls then show what
    // the element kept (the previous choice when the user refused).
    void Change(const StaticTextAttributes& next);
    uint16_t LanguageId(int index) const;

    CStaticText& m_static;
    bool m_loading = false;
    QLineEdit* m_text;
    QComboBox* m_size;
    QComboBox* m_language;
    QComboBox* m_font;
    QCheckBox* m_reverse;
    QCheckBox* m_dotMatrix;
};

} // namespace balsar::dialogs
