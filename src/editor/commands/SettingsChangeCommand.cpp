#include "editor/commands/SettingsChangeCommand.h"

#include "editor/ScreenEditor.h"
#include "project/DesignerSession.h"

namespace balsar::editor {

SettingsChangeCommand::SettingsChangeCommand(ScreenEditor& editor, const QString& text, ProjectStateSnapshot before,
                                             ProjectStateSnapshot after)
    : QUndoCommand(text), m_editor(editor), m_before(std::move(before)), m_after(std::move(after)) {}

void SettingsChangeCommand::redo() {
    if (m_applied) {
        m_applied = false;
        return;
    }
    Show(m_after);
}

void SettingsChangeCommand::undo() { Show(m_before); }

void SettingsChangeCommand::Show(const ProjectStateSnapshot& state) {
    CMirloDoc& doc = m_editor.Doc();
    CMirloProject* project = doc.Project();
    if (project == nullptr) {
        return;
    }
    // The screens are rebuilt: keep the current one by number.
    const CHMIFrame* current = doc.CurrentScreen();
    const std::optional<uint16_t> number = current ? std::optional<uint16_t>(current->GetNumber()) : std::nullopt;
    m_editor.SetCurrentScreenNumber(std::nullopt);
    if (!state.Restore(*project, m_editor.Registry())) {
        setObsolete(true);
    }
    m_editor.Session().ReloadPortProtocols(*project);
    m_editor.SetCurrentScreenNumber(number);
    m_editor.Changed(true);
}

} // namespace balsar::editor
