#include "editor/commands/DeleteScreenCommand.h"

#include "editing/EditorScreenEdits.h"
#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

DeleteScreenCommand::DeleteScreenCommand(ScreenEditor& editor, uint16_t number)
    : QUndoCommand(QString::fromUtf8(texts::kDeleteScreen)), m_editor(editor), m_number(number) {}

void DeleteScreenCommand::redo() {
    CMirloDoc& doc = m_editor.Doc();
    CHMIFrame* screen = doc.FindScreen(m_number);
    if (screen == nullptr) {
        return;
    }
    m_screen = StoreScreen(*screen, &doc.Project()->bitmapLibrary);
    const CHMIFrame* next = doc.Project()->NextScreen(screen);
    if (next == nullptr) {
        next = doc.Project()->PrevScreen(screen);
    }
    const std::optional<uint16_t> nextNumber = next ? std::optional<uint16_t>(next->GetNumber()) : std::nullopt;
    m_editor.ClearSelectionOf(m_number);
    doc.RemoveScreen(screen);
    m_editor.SetCurrentScreenNumber(nextNumber);
    m_editor.Changed(true);
}

void DeleteScreenCommand::undo() {
    CMirloDoc& doc = m_editor.Doc();
    if (doc.Project() == nullptr) {
        return;
    }
    if (auto screen = LoadScreen(m_screen, m_editor.Registry(), &doc.Project()->bitmapLibrary)) {
        doc.AddScreen(std::move(screen));
    }
    m_editor.SetCurrentScreenNumber(m_number);
    m_editor.Changed(true);
}

} // namespace balsar::editor
