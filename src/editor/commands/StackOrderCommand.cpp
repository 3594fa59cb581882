#include "editor/commands/StackOrderCommand.h"

#include "editing/EditorScreenEdits.h"
#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

StackOrderCommand::StackOrderCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes, bool toFront)
    : QUndoCommand(QString::fromUtf8(toFront ? texts::kUndoFront : texts::kUndoBack)), m_editor(editor),
      m_screen(screen), m_indexes(std::move(indexes)), m_toFront(toFront) {}

void StackOrderCommand::redo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    const std::vector<const CGraphElement*> before = ElementOrder(*screen);
    std::vector<const CGraphElement*> chosen;
    for (const int index : m_indexes) {
        chosen.push_back(before[static_cast<size_t>(index)]);
    }
    if (m_toFront) {
        screen->BringToFront(chosen);
    } else {
        screen->SendToBack(chosen);
    }
    m_from.clear();
    std::vector<int> selected;
    for (const auto& element : screen->GetElements()) {
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i] == element.get()) {
                m_from.push_back(static_cast<int>(i));
                break;
            }
        }
    }
    for (const CGraphElement* element : chosen) {
        selected.push_back(IndexOf(screen->GetElements(), element));
    }
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.SelectIndexes(m_screen, selected);
    m_editor.Changed(true);
}

void StackOrderCommand::undo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr || m_from.size() != screen->GetElements().size()) {
        return;
    }
    std::vector<const CGraphElement*> order(m_from.size());
    for (size_t i = 0; i < m_from.size(); ++i) {
        order[static_cast<size_t>(m_from[i])] = screen->GetElements()[i].get();
    }
    RestoreOrder(*screen, order);
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.SelectIndexes(m_screen, m_indexes);
    m_editor.Changed(true);
}

} // namespace balsar::editor
