#pragma once
// The resize handles the canvas shows around a selected bar graph, trend
// graph or event list: four small squares at the middles of its edges. The
// drag itself is the element's own rule (DragHandle); the editor turns the
// steps of one drag into one undo step.
#include <vector>

#include "elements/PanelCanvas.h"

namespace balsar {
class CGraphElement;
}

namespace balsar::editor {

// Whether an element of this kind is resized by edge handles.
bool HasResizeHandles(const CGraphElement& element);

// The handle squares of a resizable element in handle order (top, right,
// bottom, left), each from (x - 2, y - 2) to (x + 2, y + 2) around the middle
// of its edge; none for the other kinds.
std::vector<PanelRect> HandleSquares(const CGraphElement& element);

} // namespace balsar::editor
