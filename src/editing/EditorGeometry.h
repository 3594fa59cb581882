#pragma once
// The screen editor's geometry rules in panel pixels: snapping, keeping
// rectangles on the screen, drag offsets, nudging, alignment, distribution,
// centring, paste offsets and the display mapping. The canvas widget only
// maps mouse and key events onto these functions.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "elements/PanelCanvas.h"

namespace balsar::editor {

struct Offset {
    int dx = 0;
    int dy = 0;
    bool IsZero() const { return dx == 0 && dy == 0; }
    bool operator==(const Offset&) const = default;
};

struct PanelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PanelSize&) const = default;
};

enum class AlignMode { Left = 0, HorizontalCentre = 1, Right = 2, Top = 3, VerticalCentre = 4, Bottom = 5 };
enum class CentreMode { Horizontal, Vertical, Both };

inline constexpr int kMaxTrendsPerScreen = 4;
inline constexpr int kGrid = 4;
inline constexpr int kDisplayScale = 2;

// A panel coordinate on the canvas (each panel pixel is 2 x 2 window pixels).
int PanelToWindow(int c);
// The panel pixel under a window coordinate (negative outside the canvas).
int WindowToPanel(int c);

// Nearest multiple of 4 (halves away from zero).
int SnapToGrid(int c);
// Multiple of 4 towards zero.
int TruncateToGrid(int d);

PanelRect Moved(const PanelRect& r, Offset o);
bool IsEmpty(const PanelRect& r);
// Smallest rectangle holding all; empty for none.
PanelRect UnionOf(const std::vector<PanelRect>& rects);
// Whether r lies wholly on a screen of that size.
bool Inside(const PanelRect& r, int screenWidth, int screenHeight);
// Moves r, keeping its size, back onto the screen; a rectangle larger than
// the screen ends at the origin.
PanelRect PushInside(const PanelRect& r, int screenWidth, int screenHeight);
// Whether the point lies in r (right and bottom exclusive).
bool Contains(const PanelRect& r, int x, int y);
// Normalised rectangle spanned by two corner points, both included.
PanelRect SpanOf(int x0, int y0, int x1, int y1);
// Whether r lies wholly in band: its top-left corner and its bottom-right
// corner minus one are both in the band.
bool WhollyInside(const PanelRect& r, const PanelRect& band);

// The insert ghost: top-left corner at the mouse snapped to the grid, then
// pushed back onto the screen.
PanelRect GhostAt(int mouseX, int mouseY, PanelSize size, int screenWidth, int screenHeight);
// Ghost size of an insert tool code; nothing for codes without a fixed
// ghost (7 picture: the bitmap decides; 8: no command).
std::optional<PanelSize> GhostSize(int toolCode, int screenWidth, int screenHeight);
// Width 8 per character (16 above code 127), height 16; doubled on request.
PanelSize MeasuredTextSize(std::string_view utf8, bool doubleSize = false);

// The offset a drag applies: the mouse delta truncated to the grid, then
// corrected so that the selection's union stays on the screen.
Offset DragOffset(const PanelRect& selectionUnion, int mouseDx, int mouseDy, int screenWidth, int screenHeight);
// A nudge moves every rectangle or none: false when any would leave the
// screen.
bool NudgeAllowed(const std::vector<PanelRect>& rects, Offset o, int screenWidth, int screenHeight);
// Per-rectangle moves aligning every rectangle to the last one (the
// reference). All zero for fewer than two.
std::vector<Offset> AlignOffsets(const std::vector<PanelRect>& rects, AlignMode mode);
// Per-rectangle moves spacing three or more rectangles evenly between the
// outermost two. All zero for fewer than three or when they would overlap.
std::vector<Offset> DistributeOffsets(const std::vector<PanelRect>& rects, bool horizontal);
// The common move centring the union on the screen.
Offset CentreOffset(const PanelRect& selectionUnion, CentreMode mode, int screenWidth, int screenHeight);
// The offset of the next paste. Pasting back into the screen the block came
// from adds (4, 4) to the running offset; pasting into another screen keeps
// the copied coordinates (offset 0, 0). A group that would then reach
// beyond the screen is moved to start at the origin instead.
Offset NextPasteOffset(Offset running, bool sameScreen, const PanelRect& groupUnion, int screenWidth,
                       int screenHeight);
// A screen holding this many trend graphs takes another one.
bool TrendAllowed(int trendsOnScreen);
// A screen holding this many trend graphs takes that many more (a paste).
bool TrendsAllowed(int trendsOnScreen, int added);

} // namespace balsar::editor
