#include "editor/commands/ScreenPropertiesCommand.h"

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"

namespace balsar::editor {

ScreenPropertiesCommand::ScreenPropertiesCommand(ScreenEditor& editor, uint16_t number, ScreenProperties before,
                                                 ScreenProperties after)
    : QUndoCommand(QString::fromUtf8(texts::kUndoScreenProperties)), m_editor(editor), m_number(number),
      m_before(std::move(before)), m_after(std::move(after)) {}

void ScreenPropertiesCommand::Apply(const ScreenProperties& p) {
    CHMIFrame* screen = m_editor.ScreenByNumber(m_number);
    if (screen == nullptr) {
        return;
    }
    screen->SetDescription(p.description);
    screen->SetUpKeyTarget(p.upKey);
    screen->SetDownKeyTarget(p.downKey);
    m_editor.Doc().SetModifiedFlag(true);
    m_editor.Changed(true);
}

void ScreenPropertiesCommand::redo() { Apply(m_after); }

void ScreenPropertiesCommand::undo() { Apply(m_before); }

} // namespace balsar::editor
