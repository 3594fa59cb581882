#include "elements/ElementGeometry.h"

#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

PanelRect ElementGeometry::Rect() const {
    return PanelRect{m_left, m_top, m_left + m_width, m_top + m_height};
}

void ElementGeometry::ChangeDoubleSize(bool on, int screenWidth, int screenHeight) {
    if (m_doubleSize == 0 && on) {
        m_width *= 2;
        m_height *= 2;
    } else if (m_doubleSize != 0 && !on) {
        m_width /= 2;
        m_height /= 2;
    }
    if (m_left < 0) {
        m_left = 0;
    } else if (m_left + m_width > screenWidth) {
        m_left = screenWidth - m_width;
    }
    if (m_top < 0) {
        m_top = 0;
    } else if (m_top + m_height > screenHeight) {
        m_top = screenHeight - m_height;
    }
    m_doubleSize = on ? 1 : 0;
}

bool ElementGeometry::HitTest(int x, int y) const {
    return x >= m_left - 1 && x < m_left + m_width + 1 && y >= m_top - 1 && y < m_top + m_height + 1;
}

bool ElementGeometry::FitsOnScreenAt(int left, int top, int screenWidth, int screenHeight) const {
    return left >= 0 && top >= 0 && left + m_width <= screenWidth && top + m_height <= screenHeight;
}

PanelRect ElementGeometry::TextSizedRect(const std::optional<TextSize>& size) const {
    if (!size) {
        return Rect();
    }
    const int factor = m_doubleSize != 0 ? 2 : 1;
    return PanelRect{m_left, m_top, m_left + size->width * factor, m_top + size->height * factor};
}

void ElementGeometry::SetSizeFrom(const PanelRect& rect) {
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
}

int ElementGeometry::HandleAt(int x, int y) const {
    const auto near = [x, y](int hx, int hy) {
        return x >= hx - 1 && x <= hx + 1 && y >= hy - 1 && y <= hy + 1;
    };
    const int midX = m_left + m_width / 2;
    const int midY = m_top + m_height / 2;
    if (near(midX, m_top)) {
        return 1;
    }
    if (near(m_left + m_width, midY)) {
        return 2;
    }
    if (near(midX, m_top + m_height)) {
        return 3;
    }
    if (near(m_left, midY)) {
        return 4;
    }
    return 0;
}

bool ElementGeometry::MoveEdge(int handle, int dx, int dy, int screenWidth, int screenHeight) {
    int left = m_left;
    int top = m_top;
    int width = m_width;
    int height = m_height;
    switch (handle) {
    case 1:
        top += dy;
        height -= dy;
        break;
    case 2:
        width += dx;
        break;
    case 3:
        height += dy;
        break;
    case 4:
        left += dx;
        width -= dx;
        break;
    default:
        return false;
    }
    if (width < 4 || height < 8 || left < 0 || top < 0 || left + width > screenWidth ||
        top + height > screenHeight) {
        return false;
    }
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return true;
}

} // namespace balsar
