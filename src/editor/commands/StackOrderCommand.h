#pragma once
// Brings elements to the front of a screen's drawing order or sends them to
// the back, keeping their relative order; undoing restores the old order.
#include <QUndoCommand>
#include <vector>

namespace balsar::editor {

class ScreenEditor;

class StackOrderCommand : public QUndoCommand {
public:
    StackOrderCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes, bool toFront);
    void redo() override;
    void undo() override;

private:
    ScreenEditor& m_editor;
    uint16_t m_screen;
    std::vector<int> m_indexes;
    bool m_toFront;
    // After the change, position i holds the element that was at m_from[i].
    std::vector<int> m_from;
};

} // namespace balsar::editor
