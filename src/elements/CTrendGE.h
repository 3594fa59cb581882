#pragma once
// The trend graph: the panel plots the recent values of one register as a
// curve. Every distinct (register, sampling, point count) is sampled once,
// in a trend channel; the record names its channel by index.
#include <cstdint>

#include "elements/ElementCopy.h"
#include "elements/GraphScale.h"
#include "elements/ResizeHandles.h"
#include "plc/CAddr.h"

namespace balsar {

class CTrendGE : public CopyableElement<CTrendGE> {
    BALSAR_DECLARE_CLASS(CTrendGE)
public:
    // The smallest trend a handle drag leaves.
    static constexpr int kMinWidth = 16;
    static constexpr int kMinHeight = 16;

    CTrendGE();

    // Common prefix, 1, data type, width, full and zero scale (64-bit
    // floats), point count, sampling, the address.
    void Serialize(Archive& ar) override;
    // Position, 0, 0, 0, 0, 4, the channel index in the context's channel
    // table, the point count, 0, 1, the offset of the byte after that field,
    // 3, data type, the width byte, 0, full and zero scale.
    void Compile(CompileContext& context) const override;
    // Unlit rectangle with a schematic plot: grid lines at quarter heights,
    // the axes and a sample curve, drawn two pixels wide.
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;
    // The legacy XML form carries the common attributes only.

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }

    int HitHandle(int x, int y) override;
    int GetHandle() const override { return m_activeHandle; }
    // At least 16 by 16, inside the screen; other drags are ignored.
    void DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) override;

    GraphScale& Scale() { return m_scale; }
    const GraphScale& Scale() const { return m_scale; }
    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

    int32_t pointCount = 20;
    int32_t sampling = 10;

private:
    CAddr m_addr{WIDTH_WORD};
    GraphScale m_scale;
    ActiveHandle m_activeHandle;
};

// The page's point count spin on a trend of that width: it goes from 3 up to
// width - 3. Stepping from a count moves by delta when the result stays in
// that range, else keeps the count.
int32_t StepPointCount(int32_t count, int delta, int32_t width);
// A typed point count above width - 3 is lowered to it (and one below 3
// raised to 3).
int32_t LimitPointCount(int32_t count, int32_t width);
// The sampling spin: down to 1, up without limit.
int32_t StepSampling(int32_t sampling, int delta);

// The editor refuses a fifth trend graph on one screen: the message, or
// nothing when the screen may take another.
const char* TrendPlacementRefusal(int trendsOnScreen);

} // namespace balsar
