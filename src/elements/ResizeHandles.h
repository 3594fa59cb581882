#pragma once
// Resize handles of the resizable kinds (bar graph, trend graph, event list):
// 1 top, 2 right, 3 bottom, 4 left, each at the middle of its edge, 0 none.
#include <array>

#include "elements/PanelCanvas.h"

namespace balsar {

class CGraphElement;

enum ResizeHandle : int { HANDLE_NONE = 0, HANDLE_TOP = 1, HANDLE_RIGHT = 2, HANDLE_BOTTOM = 3, HANDLE_LEFT = 4 };

// The handle the last hit test of a resizable element found. Editor state:
// a copy of the element starts without one, and copying another element's
// contents in leaves the handle being dragged alone.
class ActiveHandle {
public:
    ActiveHandle() = default;
    ActiveHandle(const ActiveHandle&) {}
    ActiveHandle& operator=(const ActiveHandle&) { return *this; }
    ActiveHandle& operator=(int handle) {
        m_handle = handle;
        return *this;
    }
    operator int() const { return m_handle; }

private:
    int m_handle = HANDLE_NONE;
};

struct HandlePoint {
    int x = 0;
    int y = 0;
};

// Middles of the top, right, bottom and left edges, in handle order; the
// editor draws its handle squares (x - 2, y - 2)..(x + 2, y + 2) around them.
std::array<HandlePoint, 4> HandlePoints(const PanelRect& rect);

// Moves one edge of the rectangle by a drag. Top and left move that edge and
// shrink the size by the delta; right and bottom grow it. The drag is
// ignored (false) when the size would drop below the minimum or the moved
// edge would leave the screen.
bool DragEdge(PanelRect& rect, int handle, int dx, int dy, int minWidth, int minHeight, int screenWidth,
              int screenHeight);

// DragEdge applied to an element's bounds.
bool DragElementEdge(CGraphElement& element, int handle, int dx, int dy, int minWidth, int minHeight,
                     int screenWidth, int screenHeight);

} // namespace balsar
