#include "editor/commands/ResizeElementCommand.h"

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

ResizeElementCommand::ResizeElementCommand(ScreenEditor& editor, uint16_t screen, int index,
                                           std::unique_ptr<CGraphElement> before,
                                           std::unique_ptr<CGraphElement> after, int gesture)
    : QUndoCommand(QString::fromUtf8(texts::kUndoResize)), m_editor(editor), m_screen(screen), m_index(index),
      m_before(std::move(before)), m_after(std::move(after)), m_gesture(gesture) {}

void ResizeElementCommand::Apply(const CGraphElement& state) {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_screen);
    if (screen == nullptr || m_index < 0 || static_cast<size_t>(m_index) >= screen->GetElements().size()) {
        return;
    }
    CGraphElement& e = *screen->GetElements()[static_cast<size_t>(m_index)];
    e.CopyFrom(state);
    m_editor.SelectIndexes(m_screen, {m_index});
    m_editor.Changed(false);
    emit m_editor.geometryChanged(e.GetWidth(), e.GetHeight());
}

void ResizeElementCommand::redo() {
    if (m_after) {
        Apply(*m_after);
    }
}

void ResizeElementCommand::undo() {
    if (m_before) {
        Apply(*m_before);
    }
}

bool ResizeElementCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ResizeElementCommand*>(other);
    if (next == nullptr || next->m_gesture != m_gesture || next->m_screen != m_screen || next->m_index != m_index) {
        return false;
    }
    m_after = next->m_after ? next->m_after->Clone() : nullptr;
    return true;
}

} // namespace balsar::editor
