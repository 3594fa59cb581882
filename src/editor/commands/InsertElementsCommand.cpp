#include "editor/commands/InsertElementsCommand.h"

#include "editor/ScreenEditor.h"

namespace balsar::editor {

InsertElementsCommand::InsertElementsCommand(ScreenEditor& editor, uint16_t screen,
                                             std::vector<std::unique_ptr<CGraphElement>> elements,
                                             const QString& text)
    : QUndoCommand(text), m_editor(editor), m_screen(screen), m_elements(std::move(elements)),
      m_count(m_elements.size()) {}

void InsertElementsCommand::redo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    std::vector<int> added;
    for (auto& element : m_elements) {
        if (screen->AddElement(std::move(element)) != 0) {
            added.push_back(static_cast<int>(screen->GetElements().size()) - 1);
        }
    }
    m_elements.clear();
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.SelectIndexes(m_screen, added);
    m_editor.Changed(true);
}

void InsertElementsCommand::undo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    m_editor.ClearSelectionOf(m_screen);
    const size_t size = screen->GetElements().size();
    const size_t first = size >= m_count ? size - m_count : 0;
    std::vector<const CGraphElement*> taken;
    for (size_t i = first; i < size; ++i) {
        taken.push_back(screen->GetElements()[i].get());
    }
    for (const CGraphElement* element : taken) {
        m_elements.push_back(screen->DetachElement(element));
    }
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.Changed(true);
}

} // namespace balsar::editor
