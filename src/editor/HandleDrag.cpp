#include "editor/HandleDrag.h"

#include "elements/CGraphElement.h"
#include "elements/ElementKinds.h"
#include "elements/ResizeHandles.h"

namespace balsar::editor {

bool HasResizeHandles(const CGraphElement& element) {
    const int32_t kind = element.GetKind();
    return kind == KIND_BAR || kind == KIND_TREND || kind == KIND_EVENT_LIST;
}

std::vector<PanelRect> HandleSquares(const CGraphElement& element) {
    std::vector<PanelRect> squares;
    if (!HasResizeHandles(element)) {
        return squares;
    }
    for (const HandlePoint& p : HandlePoints(element.Rect())) {
        squares.push_back(PanelRect{p.x - 2, p.y - 2, p.x + 2, p.y + 2});
    }
    return squares;
}

} // namespace balsar::editor
