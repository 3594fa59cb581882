#include "elements/CTrendGE.h"

#include <algorithm>
#include <cstdlib>

#include "base/Archive.h"
#include "elements/CompileContext.h"
#include "elements/ElementKinds.h"
#include "elements/GraphKindStrings.h"
#include "elements/PanelCanvas.h"
#include "elements/ResizeHandles.h"
#include "elements/TrendChannelTable.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CTrendGE, 0, &CGraphElement::StaticClass())

namespace {

constexpr int32_t kMinPoints = 3;
constexpr int kMaxTrendsPerScreen = 4;

// A line two pixels wide from (x0, y0) to (x1, y1).
void DrawThickLine(PanelCanvas& canvas, int x0, int y0, int x1, int y1, const PanelRect& clip) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        for (int oy = 0; oy < 2; ++oy) {
            for (int ox = 0; ox < 2; ++ox) {
                const int x = x0 + ox;
                const int y = y0 + oy;
                if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) {
                    canvas.SetPixel(x, y, true);
                }
            }
        }
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace

CTrendGE::CTrendGE() : CopyableElement(KIND_TREND) {
    m_extraA = 1;
    m_extraB = 1;
}

void CTrendGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    ar.Value(m_scale.dataType);
    ar.Value(m_scale.dataWidth);
    ar.Value(m_scale.fullScale);
    ar.Value(m_scale.zeroScale);
    ar.Value(pointCount);
    ar.Value(sampling);
    m_addr.Serialize(ar);
}

void CTrendGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 2);
    AppendBytes(image, 0, 4);
    AppendBytes(image, 4, 4);
    const size_t channel =
        context.trendChannels != nullptr
            ? context.trendChannels->ChannelIndex(m_addr, sampling, pointCount, context.portProtocols)
            : 0;
    AppendBytes(image, static_cast<uint32_t>(channel), 2);
    AppendBytes(image, static_cast<uint32_t>(pointCount), 2);
    AppendBytes(image, 0, 2);
    AppendBytes(image, 1, 2);
    AppendBytes(image, static_cast<uint32_t>(image.size() + 4), 4);
    AppendBytes(image, 3, 1);
    AppendBytes(image, static_cast<uint32_t>(m_scale.dataType) & 0xFF, 1);
    AppendBytes(image, m_scale.WidthByte(), 1);
    AppendBytes(image, 0, 1);
    m_scale.AppendValues(image);
}

void CTrendGE::Draw(PanelCanvas& canvas, FontEngine*) const {
    const PanelRect rect = Rect();
    canvas.Fill(rect, false);
    if (m_width <= 0 || m_height <= 0) {
        return;
    }
    const int right = rect.right - 2;
    const int bottom = rect.bottom - 2;
    // Grid lines at quarter heights; the top and bottom ones close the frame.
    for (int k = 0; k <= 4; ++k) {
        const int y = std::min(rect.top + m_height * k / 4, bottom);
        DrawThickLine(canvas, rect.left, y, right, y, rect);
    }
    // The vertical axes.
    DrawThickLine(canvas, rect.left, rect.top, rect.left, bottom, rect);
    DrawThickLine(canvas, right, rect.top, right, bottom, rect);
    // A sample curve through five points.
    static constexpr int kCurve[5] = {3, 1, 2, 0, 2}; // in quarters of the height from the top
    int px = rect.left;
    int py = std::min(rect.top + m_height * kCurve[0] / 4, bottom);
    for (int i = 1; i < 5; ++i) {
        const int x = rect.left + (right - rect.left) * i / 4;
        const int y = std::min(rect.top + m_height * kCurve[i] / 4, bottom);
        DrawThickLine(canvas, px, py, x, y, rect);
        px = x;
        py = y;
    }
}

int CTrendGE::HitHandle(int x, int y) {
    m_activeHandle = HandleAt(x, y);
    return m_activeHandle;
}

void CTrendGE::DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) {
    DragElementEdge(*this, handle, dx, dy, kMinWidth, kMinHeight, screenWidth, screenHeight);
    // A narrower plot holds fewer points: the count follows the width at
    // once, not only when the page opens.
    pointCount = LimitPointCount(pointCount, m_width);
}

int32_t StepPointCount(int32_t count, int delta, int32_t width) {
    const int64_t next = static_cast<int64_t>(count) + delta;
    if (next < kMinPoints || next > static_cast<int64_t>(width) - 3) {
        return count;
    }
    return static_cast<int32_t>(next);
}

int32_t LimitPointCount(int32_t count, int32_t width) {
    return std::max(kMinPoints, std::min(count, width - 3));
}

int32_t StepSampling(int32_t sampling, int delta) {
    const int64_t next = static_cast<int64_t>(sampling) + delta;
    if (next < 1 || next > INT32_MAX) {
        return sampling;
    }
    return static_cast<int32_t>(next);
}

const char* TrendPlacementRefusal(int trendsOnScreen) {
    return trendsOnScreen >= kMaxTrendsPerScreen ? strings::kTooManyTrends : nullptr;
}

} // namespace balsar
