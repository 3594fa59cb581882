#pragma once
// Where an element sits on its screen: a rectangle in panel pixels and the
// double-size flag, with the rules that move, size and hit-test it. Every
// element kind is placed through these; the element base adds what the
// element is (kind, number, name, contents).
#include <cstdint>
#include <optional>

namespace balsar {

struct PanelRect;
struct TextSize;

class ElementGeometry {
public:
    int32_t GetLeft() const { return m_left; }
    int32_t GetTop() const { return m_top; }
    // Already doubled while double size is on.
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    void SetLeft(int32_t v) { m_left = v; }
    void SetTop(int32_t v) { m_top = v; }
    void SetWidth(int32_t v) { m_width = v; }
    void SetHeight(int32_t v) { m_height = v; }
    void SetTopLeft(int x, int y) {
        m_left = x;
        m_top = y;
    }
    int32_t GetDoubleSize() const { return m_doubleSize; }
    // Stores the flag alone; ChangeDoubleSize also resizes.
    void SetDoubleSizeFlag(int32_t v) { m_doubleSize = v; }

    // (left, top, left + width, top + height), right and bottom exclusive.
    PanelRect Rect() const;
    // Doubles (on) or halves (off) width and height when the flag changes,
    // then moves the element, keeping its size, into the screen.
    void ChangeDoubleSize(bool on, int screenWidth, int screenHeight);
    // The rectangle grown by one pixel on every side holds the point.
    bool HitTest(int x, int y) const;
    // Moving the top-left corner there keeps the element on the screen.
    bool FitsOnScreenAt(int left, int top, int screenWidth, int screenHeight) const;

protected:
    // The rectangle of an element sized by its text: the text's size,
    // doubled while double size is on, at the element's position; the
    // stored size when the text could not be measured.
    PanelRect TextSizedRect(const std::optional<TextSize>& size) const;
    // Stores the width and height of a rectangle.
    void SetSizeFrom(const PanelRect& rect);
    // Resize handle within one pixel of the point (1 top, 2 right, 3 bottom,
    // 4 left, tested in that order), 0 for none.
    int HandleAt(int x, int y) const;
    // Moves an edge by the handle's drag; refused (false) when the width
    // would drop below 4, the height below 8, or the element would leave
    // the screen.
    bool MoveEdge(int handle, int dx, int dy, int screenWidth, int screenHeight);

    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_doubleSize = 0;
};

} // namespace balsar
