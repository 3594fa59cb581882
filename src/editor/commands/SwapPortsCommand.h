#pragma once
// Exchanges two serial ports of the project with every reference to them.
// Swapping again restores the project exactly.
#include <QUndoCommand>

namespace balsar::editor {

class ScreenEditor;

class SwapPortsCommand : public QUndoCommand {
public:
    SwapPortsCommand(ScreenEditor& editor, int a, int b);
    void redo() override;
    void undo() override;

private:
    void Swap();

    ScreenEditor& m_editor;
    int m_a;
    int m_b;
};

} // namespace balsar::editor
