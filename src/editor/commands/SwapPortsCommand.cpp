#include "editor/commands/SwapPortsCommand.h"

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

SwapPortsCommand::SwapPortsCommand(ScreenEditor& editor, int a, int b)
    : QUndoCommand(QString::fromUtf8(texts::kUndoSwapPorts)), m_editor(editor), m_a(a), m_b(b) {}

void SwapPortsCommand::Swap() {
    if (!m_editor.Doc().SwapPorts(m_a, m_b)) {
        setObsolete(true);
        return;
    }
    if (m_editor.portsReloader) {
        m_editor.portsReloader();
    }
    m_editor.Changed(true);
}

void SwapPortsCommand::redo() { Swap(); }

void SwapPortsCommand::undo() { Swap(); }

} // namespace balsar::editor
