#pragma once
// "动态文本属性": data type (bit or word address) with the address, size,
// language, font, alignment, reverse, the built-in dot-matrix font, and the
// 256-row state grid of values and texts.
#include "dialogs/ElementPage.h"

class QCheckBox;
class QComboBox;
class QTableWidget;
class QTableWidgetItem;

namespace balsar {
class CDynamicText;
namespace dyntext {
struct Attributes;
}
} // namespace balsar

namespace balsar::dialogs {

class AddressPanelWidget;

class DynamicTextPage : public ElementPage {
    Q_OBJECT
public:
    DynamicTextPage(CDynamicText& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;
    // The page's title, also the dialog's.
    static QString Caption();

    QComboBox* DataType() const { return m_type; }
    QComboBox* Size() const { return m_size; }
    QComboBox* Language() const { return m_language; }
    QComboBox* Font() const { return m_font; }
    QComboBox* Alignment() const { return m_alignment; }
    QCheckBox* Reverse() const { return m_reverse; }
    QCheckBox* DotMatrix() const { return m_dotMatrix; }
    QTableWidget* Grid() const { return m_grid; }
    AddressPanelWidget* Address() const { return m_address; }

private:
    // Hands a change of text attributes to the element's rules; the
    // controls then show what the element kept.
    void Change(const dyntext::Attributes& next);
    void CellEdited(QTableWidgetItem* item);
    // Writes the rows into the grid.
    void LoadGrid();
    uint16_t LanguageId(int index) const;

    CDynamicText& m_text;
    bool m_loading = false;
    QComboBox* m_type;
    QComboBox* m_size;
    QComboBox* m_language;
    QComboBox* m_font;
    QComboBox* m_alignment;
    QCheckBox* m_reverse;
    QCheckBox* m_dotMatrix;
    QTableWidget* m_grid;
    AddressPanelWidget* m_address;
};

} // namespace balsar::dialogs
