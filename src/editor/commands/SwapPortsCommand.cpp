#include "editor/commands/SwapPortsCommand.h"

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"
#include "project/PortSettingsChange.h"

namespace balsar::editor {

SwapPortsCommand::SwapPortsCommand(ScreenEditor& editor, int a, int b)
    : QUndoCommand(QString::fromUtf8(texts::kUndoSwapPorts)), m_editor(editor), m_a(a), m_b(b) {}

void SwapPortsCommand::Swap() {
    if (!SwapOpenProjectPorts(m_editor.Doc(), m_a, m_b, m_editor.Session())) {
        setObsolete(true);
        return;
    }
    m_editor.Changed(true);
}

void SwapPortsCommand::redo() { Swap(); }

void SwapPortsCommand::undo() { Swap(); }

} // namespace balsar::editor
