#pragma once
// Appends new elements to a screen (insert and paste). The screen numbers
// them; undoing takes them off again and keeps them for a redo.
#include <QUndoCommand>
#include <memory>
#include <vector>

#include "elements/CGraphElement.h"

namespace balsar::editor {

class ScreenEditor;

class InsertElementsCommand : public QUndoCommand {
public:
    InsertElementsCommand(ScreenEditor& editor, uint16_t screen, std::vector<std::unique_ptr<CGraphElement>> elements,
                          const QString& text);
    void redo() override;
    void undo() override;

private:
    ScreenEditor& m_editor;
    uint16_t m_screen;
    std::vector<std::unique_ptr<CGraphElement>> m_elements;
    size_t m_count;
};

} // namespace balsar::editor
