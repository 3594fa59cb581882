#include "editor/commands/ToggleLabelsCommand.h"

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

ToggleLabelsCommand::ToggleLabelsCommand(ScreenEditor& editor)
    : QUndoCommand(QString::fromUtf8(texts::kUndoLabels)), m_editor(editor) {}

void ToggleLabelsCommand::Flip() {
    CMirloProject* project = m_editor.Doc().Project();
    if (project == nullptr) {
        return;
    }
    project->showLabels = project->showLabels != 0 ? 0 : 1;
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.Changed(false);
}

void ToggleLabelsCommand::redo() { Flip(); }

void ToggleLabelsCommand::undo() { Flip(); }

} // namespace balsar::editor
