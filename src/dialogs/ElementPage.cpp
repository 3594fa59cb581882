#include "dialogs/ElementPage.h"

namespace balsar::dialogs {

ElementPage::ElementPage(CGraphElement& element, const PageContext& pageContext, QWidget* parent)
    : QWidget(parent), m_element(element), m_page(pageContext) {}

ElementPage::~ElementPage() = default;

} // namespace balsar::dialogs
