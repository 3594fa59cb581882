#pragma once
// The bar graph: a rectangle filled in proportion to a register's value
// between a zero-scale and a full-scale value, growing up, down, left or
// right. Resizable by its four edge handles.
#include <cstdint>

#include "elements/ElementCopy.h"
#include "elements/GraphScale.h"
#include "elements/ResizeHandles.h"
#include "plc/CAddr.h"

namespace balsar {

class CBarGE : public CopyableElement<CBarGE> {
    BALSAR_DECLARE_CLASS(CBarGE)
public:
    enum Direction : int32_t { DIR_UP = 0, DIR_DOWN = 1, DIR_LEFT = 2, DIR_RIGHT = 3 };

    // The smallest bar a handle drag leaves.
    static constexpr int kMinWidth = 4;
    static constexpr int kMinHeight = 8;

    CBarGE();

    // Common prefix, 1, data type, width, direction, full and zero scale
    // (64-bit floats), the address.
    void Serialize(Archive& ar) override;
    // Position, 1, 0, 1 (16-bit), the address, 0 (32-bit), 3, type + 16 x
    // direction, the width byte, 0, full and zero scale.
    void Compile(CompileContext& context) const override;
    // Unlit rectangle, the third the bar grows from lit, two nested lit
    // outlines.
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;
    // Legacy XML: "Trait" (Double, Reverse), "Reg", "Show" (DrawDir).
    void XmlSave(CXmlNodeWrapper& parts) const override;
    bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }

    int HitHandle(int x, int y) override;
    int GetHandle() const override { return m_activeHandle; }
    // At least 4 wide and 8 high, inside the screen; other drags are ignored.
    void DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) override;

    // Between the vertical pair (up, down) and the horizontal pair (left,
    // right) width and height are exchanged; then the direction is stored.
    void ChangeDirection(int32_t direction);
    int32_t GetDirection() const { return m_direction; }

    GraphScale& Scale() { return m_scale; }
    const GraphScale& Scale() const { return m_scale; }
    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

private:
    CAddr m_addr{WIDTH_WORD};
    GraphScale m_scale;
    int32_t m_direction = DIR_UP;
    ActiveHandle m_activeHandle;
};

// Outline of a rectangle, one pixel wide, inside it.
void DrawOutline(PanelCanvas& canvas, const PanelRect& rect, bool lit);

} // namespace balsar
