#include "elements/ResizeHandles.h"

#include "elements/CGraphElement.h"

namespace balsar {

std::array<HandlePoint, 4> HandlePoints(const PanelRect& rect) {
    const int midX = (rect.left + rect.right) / 2;
    const int midY = (rect.top + rect.bottom) / 2;
    return {HandlePoint{midX, rect.top}, HandlePoint{rect.right, midY}, HandlePoint{midX, rect.bottom},
            HandlePoint{rect.left, midY}};
}

bool DragEdge(PanelRect& rect, int handle, int dx, int dy, int minWidth, int minHeight, int screenWidth,
              int screenHeight) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    switch (handle) {
    case HANDLE_TOP:
        if (height - dy >= minHeight && rect.top + dy >= 0) {
            rect.top += dy;
            return true;
        }
        return false;
    case HANDLE_RIGHT:
        if (width + dx >= minWidth && rect.right + dx <= screenWidth) {
            rect.right += dx;
            return true;
        }
        return false;
    case HANDLE_BOTTOM:
        if (height + dy >= minHeight && rect.bottom + dy <= screenHeight) {
            rect.bottom += dy;
            return true;
        }
        return false;
    case HANDLE_LEFT:
        if (width - dx >= minWidth && rect.left + dx >= 0) {
            rect.left += dx;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool DragElementEdge(CGraphElement& element, int handle, int dx, int dy, int minWidth, int minHeight,
                     int screenWidth, int screenHeight) {
    PanelRect rect = element.Rect();
    if (!DragEdge(rect, handle, dx, dy, minWidth, minHeight, screenWidth, screenHeight)) {
        return false;
    }
    element.SetLeft(rect.left);
    element.SetTop(rect.top);
    element.SetWidth(rect.right - rect.left);
    element.SetHeight(rect.bottom - rect.top);
    return true;
}

} // namespace balsar
