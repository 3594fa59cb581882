#include "editor/commands/DeleteElementsCommand.h"

#include "editing/EditorScreenEdits.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

DeleteElementsCommand::DeleteElementsCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes,
                                             const QString& text)
    : QUndoCommand(text), m_editor(editor), m_screen(screen), m_indexes(std::move(indexes)) {}

void DeleteElementsCommand::redo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    m_editor.ClearSelectionOf(m_screen);
    m_detached = DetachElementsAt(*screen, m_indexes);
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.Changed(true);
}

void DeleteElementsCommand::undo() {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    ReinsertElements(*screen, m_detached);
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.SelectIndexes(m_screen, m_indexes);
    m_editor.Changed(true);
}

} // namespace balsar::editor
