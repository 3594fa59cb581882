#pragma once
// Removes a screen; the next screen of the list (the previous one for the
// last) becomes current. Undoing brings the screen back as it was.
#include <QUndoCommand>
#include <cstdint>
#include <optional>
#include <vector>

namespace balsar::editor {

class ScreenEditor;

class DeleteScreenCommand : public QUndoCommand {
public:
    DeleteScreenCommand(ScreenEditor& editor, uint16_t number);
    void redo() override;
    void undo() override;

private:
    ScreenEditor& m_editor;
    uint16_t m_number;
    std::vector<uint8_t> m_screen;
};

} // namespace balsar::editor
