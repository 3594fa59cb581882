#pragma once
// Changes one element by its resize handle: its rectangle and what follows
// from it (a trend's point count). The steps of one resize gesture merge
// into one.
#include <QUndoCommand>
#include <memory>

#include "elements/CGraphElement.h"

namespace balsar::editor {

class ScreenEditor;

class ResizeElementCommand : public QUndoCommand {
public:
    ResizeElementCommand(ScreenEditor& editor, uint16_t screen, int index, std::unique_ptr<CGraphElement> before,
                         std::unique_ptr<CGraphElement> after, int gesture);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(const CGraphElement& state);

    ScreenEditor& m_editor;
    uint16_t m_screen;
    int m_index;
    std::unique_ptr<CGraphElement> m_before;
    std::unique_ptr<CGraphElement> m_after;
    int m_gesture;
};

} // namespace balsar::editor
