#include "editor/commands/MoveElementsCommand.h"

#include "editor/ScreenEditor.h"

namespace balsar::editor {

MoveElementsCommand::MoveElementsCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes,
                                         std::vector<Offset> moves, const QString& text, bool mergeable)
    : QUndoCommand(text), m_editor(editor), m_screen(screen), m_indexes(std::move(indexes)),
      m_moves(std::move(moves)), m_mergeable(mergeable) {}

void MoveElementsCommand::Apply(int sign) {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr) {
        return;
    }
    const ElementList& elements = screen->GetElements();
    for (size_t i = 0; i < m_indexes.size() && i < m_moves.size(); ++i) {
        const auto index = static_cast<size_t>(m_indexes[i]);
        if (index < elements.size()) {
            CGraphElement& e = *elements[index];
            e.SetTopLeft(e.GetLeft() + sign * m_moves[i].dx, e.GetTop() + sign * m_moves[i].dy);
        }
    }
    m_editor.SelectIndexes(m_screen, m_indexes);
    m_editor.Changed(false);
}

void MoveElementsCommand::redo() { Apply(1); }

void MoveElementsCommand::undo() { Apply(-1); }

bool MoveElementsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const MoveElementsCommand*>(other);
    if (next == nullptr || !next->m_mergeable || next->m_screen != m_screen || next->m_indexes != m_indexes) {
        return false;
    }
    for (size_t i = 0; i < m_moves.size(); ++i) {
        m_moves[i].dx += next->m_moves[i].dx;
        m_moves[i].dy += next->m_moves[i].dy;
    }
    return true;
}

} // namespace balsar::editor
