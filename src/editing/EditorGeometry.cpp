#include "editing/EditorGeometry.h"

#include <algorithm>
#include <numeric>

#include "base/Utf.h"

namespace balsar::editor {

namespace {

// A rectangle's start and end along one axis, and an offset's share of it.
int Low(const PanelRect& r, bool horizontal) { return horizontal ? r.left : r.top; }
int High(const PanelRect& r, bool horizontal) { return horizontal ? r.right : r.bottom; }
int& Along(Offset& o, bool horizontal) { return horizontal ? o.dx : o.dy; }

// The move along one axis that brings [low, high) back into [0, limit); a
// span longer than the limit ends up starting at 0.
int IntoScreen(int low, int high, int limit) {
    int d = high > limit ? limit - high : 0;
    if (low + d < 0) {
        d = -low;
    }
    return d;
}

} // namespace

int PanelToWindow(int c) { return c * kDisplayScale; }

int WindowToPanel(int c) { return c >= 0 ? c / kDisplayScale : -((-c + kDisplayScale - 1) / kDisplayScale); }

int SnapToGrid(int c) {
    const int half = kGrid / 2;
    return c >= 0 ? (c + half) / kGrid * kGrid : -((-c + half) / kGrid * kGrid);
}

int TruncateToGrid(int d) { return d / kGrid * kGrid; }

PanelRect Moved(const PanelRect& r, Offset o) { return {r.left + o.dx, r.top + o.dy, r.right + o.dx, r.bottom + o.dy}; }

bool IsEmpty(const PanelRect& r) { return r.right <= r.left || r.bottom <= r.top; }

PanelRect UnionOf(const std::vector<PanelRect>& rects) {
    if (rects.empty()) {
        return {};
    }
    PanelRect u = rects.front();
    for (const PanelRect& r : rects) {
        u.left = std::min(u.left, r.left);
        u.top = std::min(u.top, r.top);
        u.right = std::max(u.right, r.right);
        u.bottom = std::max(u.bottom, r.bottom);
    }
    return u;
}

bool Inside(const PanelRect& r, int screenWidth, int screenHeight) {
    return r.left >= 0 && r.top >= 0 && r.right <= screenWidth && r.bottom <= screenHeight;
}

PanelRect PushInside(const PanelRect& r, int screenWidth, int screenHeight) {
    return Moved(r, {IntoScreen(r.left, r.right, screenWidth), IntoScreen(r.top, r.bottom, screenHeight)});
}

bool Contains(const PanelRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

PanelRect SpanOf(int x0, int y0, int x1, int y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
}

bool WhollyInside(const PanelRect& r, const PanelRect& band) {
    return Contains(band, r.left, r.top) && Contains(band, r.right - 1, r.bottom - 1);
}

PanelRect GhostAt(int mouseX, int mouseY, PanelSize size, int screenWidth, int screenHeight) {
    const int left = SnapToGrid(mouseX);
    const int top = SnapToGrid(mouseY);
    return PushInside({left, top, left + size.width, top + size.height}, screenWidth, screenHeight);
}

PanelSize MeasuredTextSize(std::string_view utf8, bool doubleSize) {
    int width = 0;
    for (const char32_t ch : Utf8ToUtf32(utf8)) {
        width += ch > 127 ? 16 : 8;
    }
    PanelSize size{width, 16};
    if (doubleSize) {
        size.width *= 2;
        size.height *= 2;
    }
    return size;
}

std::optional<PanelSize> GhostSize(int toolCode, int screenWidth, int screenHeight) {
    switch (toolCode) {
    case 0:
    case 1:
        return PanelSize{16, 16};
    case 2:
        return MeasuredTextSize("文字串");
    case 3:
        return MeasuredTextSize("动态文字串");
    case 4:
        return PanelSize{40, 16};
    case 5:
        return PanelSize{16, 48};
    case 6:
        return PanelSize{96, 48};
    case 9:
        return PanelSize{24, 16};
    case 10:
        return PanelSize{screenWidth, screenHeight};
    default:
        return std::nullopt;
    }
}

Offset DragOffset(const PanelRect& selectionUnion, int mouseDx, int mouseDy, int screenWidth, int screenHeight) {
    const Offset wanted{TruncateToGrid(mouseDx), TruncateToGrid(mouseDy)};
    const PanelRect placed = PushInside(Moved(selectionUnion, wanted), screenWidth, screenHeight);
    return {placed.left - selectionUnion.left, placed.top - selectionUnion.top};
}

bool NudgeAllowed(const std::vector<PanelRect>& rects, Offset o, int screenWidth, int screenHeight) {
    return std::all_of(rects.begin(), rects.end(),
                       [&](const PanelRect& r) { return Inside(Moved(r, o), screenWidth, screenHeight); });
}

std::vector<Offset> AlignOffsets(const std::vector<PanelRect>& rects, AlignMode mode) {
    std::vector<Offset> moves(rects.size());
    if (rects.size() < 2) {
        return moves;
    }
    const bool horizontal =
        mode == AlignMode::Left || mode == AlignMode::HorizontalCentre || mode == AlignMode::Right;
    const int refLow = Low(rects.back(), horizontal);
    const int refHigh = High(rects.back(), horizontal);
    for (size_t i = 0; i + 1 < rects.size(); ++i) {
        const int low = Low(rects[i], horizontal);
        const int high = High(rects[i], horizontal);
        int& d = Along(moves[i], horizontal);
        switch (mode) {
        case AlignMode::Left:
        case AlignMode::Top:
            d = refLow - low;
            break;
        case AlignMode::HorizontalCentre:
        case AlignMode::VerticalCentre:
            d = (refHigh + low - high - refLow) / 2 + refLow - low;
            break;
        case AlignMode::Right:
        case AlignMode::Bottom:
            d = refHigh - high;
            break;
        }
    }
    return moves;
}

std::vector<Offset> DistributeOffsets(const std::vector<PanelRect>& rects, bool horizontal) {
    const size_t n = rects.size();
    std::vector<Offset> moves(n);
    if (n < 3) {
        return moves;
    }
    const auto lo = [horizontal](const PanelRect& r) { return Low(r, horizontal); };
    const auto hi = [horizontal](const PanelRect& r) { return High(r, horizontal); };
    const PanelRect u = UnionOf(rects);
    int total = 0;
    for (const PanelRect& r : rects) {
        total += hi(r) - lo(r);
    }
    const int gap = (hi(u) - lo(u) - total) / static_cast<int>(n - 1);
    if (gap <= 0) {
        return moves;
    }
    size_t first = 0;
    size_t last = 0;
    for (size_t i = 1; i < n; ++i) {
        if (lo(rects[i]) < lo(rects[first])) {
            first = i;
        }
        if (hi(rects[i]) > hi(rects[last])) {
            last = i;
        }
    }
    std::vector<size_t> middle;
    for (size_t i = 0; i < n; ++i) {
        if (i != first && i != last) {
            middle.push_back(i);
        }
    }
    std::stable_sort(middle.begin(), middle.end(),
                     [&](size_t a, size_t b) { return lo(rects[a]) < lo(rects[b]); });
    int edge = hi(rects[first]);
    for (const size_t i : middle) {
        const int start = edge + gap;
        Along(moves[i], horizontal) = start - lo(rects[i]);
        edge = start + hi(rects[i]) - lo(rects[i]);
    }
    return moves;
}

Offset CentreOffset(const PanelRect& selectionUnion, CentreMode mode, int screenWidth, int screenHeight) {
    Offset o{screenWidth / 2 - (selectionUnion.left + selectionUnion.right) / 2,
             screenHeight / 2 - (selectionUnion.top + selectionUnion.bottom) / 2};
    if (mode == CentreMode::Horizontal) {
        o.dy = 0;
    } else if (mode == CentreMode::Vertical) {
        o.dx = 0;
    }
    return o;
}

Offset NextPasteOffset(Offset running, bool sameScreen, const PanelRect& groupUnion, int screenWidth,
                       int screenHeight) {
    Offset o{};
    if (sameScreen) {
        o = running;
        o.dx += kGrid;
        o.dy += kGrid;
    }
    const PanelRect placed = Moved(groupUnion, o);
    if (placed.right > screenWidth || placed.bottom > screenHeight) {
        o = {-groupUnion.left, -groupUnion.top};
    }
    return o;
}

bool TrendAllowed(int trendsOnScreen) { return trendsOnScreen < kMaxTrendsPerScreen; }

bool TrendsAllowed(int trendsOnScreen, int added) { return added <= 0 || trendsOnScreen + added <= kMaxTrendsPerScreen; }

} // namespace balsar::editor
