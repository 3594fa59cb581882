#include "editor/commands/PlaceScreenCommand.h"

#include "editing/EditorScreenEdits.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

PlaceScreenCommand::PlaceScreenCommand(ScreenEditor& editor, uint16_t number, std::vector<uint8_t> screenBytes,
                                       std::optional<std::vector<uint8_t>> overwritten,
                                       std::optional<uint16_t> previousCurrent, const QString& text)
    : QUndoCommand(text), m_editor(editor), m_number(number), m_screen(std::move(screenBytes)),
      m_overwritten(std::move(overwritten)), m_previousCurrent(previousCurrent) {}

void PlaceScreenCommand::redo() {
    CMirloDoc& doc = m_editor.Doc();
    if (doc.Project() == nullptr) {
        return;
    }
    m_editor.ClearSelectionOf(m_number);
    if (const CHMIFrame* existing = doc.FindScreen(m_number)) {
        doc.RemoveScreen(existing);
    }
    CSingleColorBitmapLib* library = &doc.Project()->bitmapLibrary;
    if (auto screen = LoadScreen(m_screen, m_editor.Registry(), library)) {
        doc.AddScreen(std::move(screen));
    }
    m_editor.SetCurrentScreenNumber(m_number);
    m_editor.Changed(true);
}

void PlaceScreenCommand::undo() {
    CMirloDoc& doc = m_editor.Doc();
    if (doc.Project() == nullptr) {
        return;
    }
    m_editor.ClearSelectionOf(m_number);
    if (const CHMIFrame* placed = doc.FindScreen(m_number)) {
        doc.RemoveScreen(placed);
    }
    if (m_overwritten) {
        if (auto screen = LoadScreen(*m_overwritten, m_editor.Registry(), &doc.Project()->bitmapLibrary)) {
            doc.AddScreen(std::move(screen));
        }
    }
    m_editor.SetCurrentScreenNumber(m_previousCurrent);
    m_editor.Changed(true);
}

} // namespace balsar::editor
