#pragma once
// Switches the element labels of the editor on or off and stores the
// switch in the project.
#include <QUndoCommand>
#include <cstdint>

namespace balsar::editor {

class ScreenEditor;

class ToggleLabelsCommand : public QUndoCommand {
public:
    explicit ToggleLabelsCommand(ScreenEditor& editor);
    void redo() override;
    void undo() override;

private:
    void Flip();

    ScreenEditor& m_editor;
};

} // namespace balsar::editor
