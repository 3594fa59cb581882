#pragma once
// Changes the rectangle of one element by its resize handle. The steps of
// one resize gesture merge into one.
#include <QUndoCommand>

#include "elements/PanelCanvas.h"

namespace balsar::editor {

class ScreenEditor;

class ResizeElementCommand : public QUndoCommand {
public:
    ResizeElementCommand(ScreenEditor& editor, uint16_t screen, int index, const PanelRect& before,
                         const PanelRect& after, int gesture);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(const PanelRect& rect);

    ScreenEditor& m_editor;
    uint16_t m_screen;
    int m_index;
    PanelRect m_before;
    PanelRect m_after;
    int m_gesture;
};

} // namespace balsar::editor
