#pragma once
// Takes elements off a screen (delete and cut); undoing puts them back at
// their places with their IDs and names.
#include <QUndoCommand>
#include <memory>
#include <utility>
#include <vector>

#include "elements/CGraphElement.h"

namespace balsar::editor {

class ScreenEditor;

class DeleteElementsCommand : public QUndoCommand {
public:
    // indexes: list positions in selection order.
    DeleteElementsCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes, const QString& text);
    void redo() override;
    void undo() override;

private:
    ScreenEditor& m_editor;
    uint16_t m_screen;
    std::vector<int> m_indexes;
    std::vector<std::pair<int, std::unique_ptr<CGraphElement>>> m_detached;
};

} // namespace balsar::editor
