#include "dialogs/ElementPropertiesCommand.h"

#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "elements/CGraphElement.h"
#include "project/CMirloDoc.h"

namespace balsar::dialogs {

ElementPropertiesCommand::ElementPropertiesCommand(CMirloDoc& doc, uint16_t screen, int index,
                                                   const CGraphElement& before, std::unique_ptr<CGraphElement> after,
                                                   std::function<void(CGraphElement&)> changed)
    : m_doc(doc), m_screen(screen), m_index(index), m_before(before.Clone()), m_after(std::move(after)),
      m_changed(std::move(changed)) {
    setText(Q(m_after ? m_after->GetName() : std::string()));
}

ElementPropertiesCommand::~ElementPropertiesCommand() = default;

void ElementPropertiesCommand::Apply(const CGraphElement& state) {
    CHMIFrame* screen = m_doc.FindScreen(m_screen);
    if (screen == nullptr || m_index < 0 || static_cast<size_t>(m_index) >= screen->GetElements().size()) {
        return;
    }
    CGraphElement& element = *screen->GetElements()[static_cast<size_t>(m_index)];
    element.CopyFrom(state);
    m_doc.SetModifiedFlag();
    if (m_changed) {
        m_changed(element);
    }
}

void ElementPropertiesCommand::redo() {
    if (m_after) {
        Apply(*m_after);
    }
}

void ElementPropertiesCommand::undo() {
    if (m_before) {
        Apply(*m_before);
    }
}

} // namespace balsar::dialogs
