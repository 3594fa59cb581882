#pragma once
// Moves elements of one screen, each by its own offset: drags, nudges,
// alignment, distribution and centring. Consecutive nudges of the same
// elements merge into one step.
#include <QUndoCommand>
#include <vector>

#include "editing/EditorGeometry.h"

namespace balsar::editor {

class ScreenEditor;

class MoveElementsCommand : public QUndoCommand {
public:
    // indexes: list positions in selection order; moves: one per index.
    MoveElementsCommand(ScreenEditor& editor, uint16_t screen, std::vector<int> indexes, std::vector<Offset> moves,
                        const QString& text, bool mergeable);
    void redo() override;
    void undo() override;
    int id() const override { return m_mergeable ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(int sign);

    ScreenEditor& m_editor;
    uint16_t m_screen;
    std::vector<int> m_indexes;
    std::vector<Offset> m_moves;
    bool m_mergeable;
};

} // namespace balsar::editor
