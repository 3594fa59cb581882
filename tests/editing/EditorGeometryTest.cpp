// The editor's geometry rules: snapping, drag offsets, nudging, alignment,
// distribution, centring, paste offsets and the trend limit.
#include <gtest/gtest.h>

#include "editing/EditorGeometry.h"

using namespace balsar;
using namespace balsar::editor;

namespace {

PanelRect R(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

std::vector<PanelRect> Apply(std::vector<PanelRect> rects, const std::vector<Offset>& moves) {
    for (size_t i = 0; i < rects.size(); ++i) {
        rects[i] = Moved(rects[i], moves[i]);
    }
    return rects;
}

constexpr int W = 128;
constexpr int H = 64;

} // namespace

TEST(EditorGeometry, DisplayMappingRoundTripsEveryPanelPixel) {
    for (int c = -3; c < 130; ++c) {
        EXPECT_EQ(WindowToPanel(PanelToWindow(c)), c);
        EXPECT_EQ(WindowToPanel(PanelToWindow(c) + 1), c) << "both window pixels of a panel pixel map back";
    }
    EXPECT_EQ(WindowToPanel(-1), -1);
}

TEST(EditorGeometry, SnappingGoesToTheNearestFourAndDragsTruncateTowardsZero) {
    EXPECT_EQ(SnapToGrid(0), 0);
    EXPECT_EQ(SnapToGrid(1), 0);
    EXPECT_EQ(SnapToGrid(2), 4);
    EXPECT_EQ(SnapToGrid(5), 4);
    EXPECT_EQ(SnapToGrid(6), 8);
    EXPECT_EQ(SnapToGrid(-2), -4);
    EXPECT_EQ(TruncateToGrid(7), 4);
    EXPECT_EQ(TruncateToGrid(-7), -4);
    EXPECT_EQ(TruncateToGrid(3), 0);
    EXPECT_EQ(TruncateToGrid(-3), 0);
}

TEST(EditorGeometry, GhostSnapsAndStaysOnTheScreenWithItsSize) {
    EXPECT_EQ(GhostAt(9, 10, {40, 16}, W, H).left, 8);
    EXPECT_EQ(GhostAt(9, 10, {40, 16}, W, H).top, 12);
    const PanelRect pushed = GhostAt(126, 63, {40, 16}, W, H);
    EXPECT_EQ(pushed.right, W);
    EXPECT_EQ(pushed.bottom, H);
    EXPECT_EQ(pushed.right - pushed.left, 40);
    const PanelRect negative = GhostAt(-9, -9, {16, 16}, W, H);
    EXPECT_EQ(negative.left, 0);
    EXPECT_EQ(negative.top, 0);
    // The event list covers the whole screen wherever the mouse is.
    const PanelRect whole = GhostAt(60, 30, *GhostSize(10, W, H), W, H);
    EXPECT_EQ(whole.left, 0);
    EXPECT_EQ(whole.bottom, H);
}

TEST(EditorGeometry, GhostSizesOfTheInsertTools) {
    EXPECT_EQ(GhostSize(0, W, H), (PanelSize{16, 16}));
    EXPECT_EQ(GhostSize(2, W, H), (PanelSize{48, 16})) << "three characters above 127 count twice";
    EXPECT_EQ(GhostSize(3, W, H), (PanelSize{80, 16}));
    EXPECT_EQ(GhostSize(6, W, H), (PanelSize{96, 48}));
    EXPECT_EQ(GhostSize(9, W, H), (PanelSize{24, 16}));
    EXPECT_FALSE(GhostSize(7, W, H).has_value());
    EXPECT_FALSE(GhostSize(8, W, H).has_value());
    EXPECT_EQ(MeasuredTextSize("AB", true), (PanelSize{32, 32}));
}

TEST(EditorGeometry, DragOffsetIsTruncatedThenKeptOnTheScreen) {
    const PanelRect u = R(20, 20, 30, 10);
    EXPECT_EQ(DragOffset(u, 7, -7, W, H), (Offset{4, -4}));
    EXPECT_EQ(DragOffset(u, 3, 3, W, H), (Offset{0, 0}));
    // Dragging far right stops the union at the right edge, whatever the grid.
    EXPECT_EQ(DragOffset(u, 200, 0, W, H), (Offset{W - 50, 0}));
    EXPECT_EQ(DragOffset(u, -200, -200, W, H), (Offset{-20, -20}));
}

TEST(EditorGeometry, NudgeAtTheEdgeMovesNothingForTheWholeSelection) {
    const std::vector<PanelRect> rects{R(0, 10, 8, 8), R(40, 10, 8, 8)};
    EXPECT_FALSE(NudgeAllowed(rects, {-1, 0}, W, H));
    EXPECT_TRUE(NudgeAllowed(rects, {1, 0}, W, H));
    EXPECT_FALSE(NudgeAllowed({R(0, 0, 8, 8), R(120, 56, 8, 8)}, {0, 1}, W, H));
}

TEST(EditorGeometry, AlignFollowsTheLastSelectedAndKeepsSizes) {
    const std::vector<PanelRect> rects{R(10, 5, 20, 8), R(50, 30, 7, 12), R(30, 20, 40, 16)};
    const auto left = Apply(rects, AlignOffsets(rects, AlignMode::Left));
    EXPECT_EQ(left[0].left, 30);
    EXPECT_EQ(left[1].left, 30);
    EXPECT_EQ(left[2].left, 30);
    EXPECT_EQ(left[1].right - left[1].left, 7);
    EXPECT_EQ(left[1].top, 30) << "horizontal modes leave y alone";
    const auto top = Apply(rects, AlignOffsets(rects, AlignMode::Top));
    EXPECT_EQ(top[0].top, 20);
    EXPECT_EQ(top[1].top, 20);
    EXPECT_EQ(top[1].bottom - top[1].top, 12);
    EXPECT_EQ(top[1].left, 50);
    const auto right = Apply(rects, AlignOffsets(rects, AlignMode::Right));
    EXPECT_EQ(right[0].right, 70);
    EXPECT_EQ(right[1].right, 70);
    const auto bottom = Apply(rects, AlignOffsets(rects, AlignMode::Bottom));
    EXPECT_EQ(bottom[0].bottom, 36);
    EXPECT_EQ(bottom[0].left, 10) << "vertical modes leave x alone";
    // Centre: dx = (R.right + E.left - E.right - R.left) / 2 + R.left - E.left,
    // truncating towards zero. Element width 7 against reference width 40:
    // (70 + 50 - 57 - 30) / 2 + 30 - 50 = 16 + 30 - 50 = -4.
    const auto centred = AlignOffsets(rects, AlignMode::HorizontalCentre);
    EXPECT_EQ(centred[1].dx, -4);
    EXPECT_EQ(centred[2], (Offset{0, 0})) << "the reference never moves";
    // Vertical centre with a negative odd numerator: (36 + 5 - 13 - 20) / 2 = 4 -> 4 + 20 - 5.
    EXPECT_EQ(AlignOffsets(rects, AlignMode::VerticalCentre)[0].dy, 19);
    const std::vector<PanelRect> odd{R(0, 0, 4, 9), R(0, 10, 4, 2)};
    // (12 + 0 - 9 - 10) / 2 = -7 / 2 = -3 (towards zero) -> -3 + 10 - 0 = 7.
    EXPECT_EQ(AlignOffsets(odd, AlignMode::VerticalCentre)[0].dy, 7);
}

TEST(EditorGeometry, AlignWithOneSelectedDoesNothing) {
    const auto moves = AlignOffsets({R(10, 10, 5, 5)}, AlignMode::Left);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_TRUE(moves[0].IsZero());
}

TEST(EditorGeometry, DistributeSpacesTheMiddleOnesEvenly) {
    // Union 0..100, widths 10+10+20 = 40, gap (100 - 40) / 2 = 30.
    const std::vector<PanelRect> rects{R(90, 0, 10, 8), R(5, 20, 20, 8), R(0, 40, 10, 8)};
    const auto placed = Apply(rects, DistributeOffsets(rects, true));
    EXPECT_EQ(placed[2].left, 0) << "first does not move";
    EXPECT_EQ(placed[0].left, 90) << "last does not move";
    EXPECT_EQ(placed[1].left, 40);
    EXPECT_EQ(placed[1].top, 20) << "other axis unchanged";
    // Four in a column: union 0..64 high, heights 4 x 8 = 32, gap 32 / 3 = 10.
    const std::vector<PanelRect> column{R(0, 0, 8, 8), R(0, 30, 8, 8), R(0, 10, 8, 8), R(0, 56, 8, 8)};
    const auto spaced = Apply(column, DistributeOffsets(column, false));
    EXPECT_EQ(spaced[2].top, 18);
    EXPECT_EQ(spaced[1].top, 36);
    EXPECT_EQ(spaced[3].top, 56);
}

TEST(EditorGeometry, DistributeDoesNothingForTwoOrForOverlap) {
    const std::vector<PanelRect> two{R(0, 0, 10, 8), R(90, 0, 10, 8)};
    for (const Offset& o : DistributeOffsets(two, true)) {
        EXPECT_TRUE(o.IsZero());
    }
    const std::vector<PanelRect> overlapping{R(0, 0, 30, 8), R(20, 0, 30, 8), R(40, 0, 30, 8)};
    for (const Offset& o : DistributeOffsets(overlapping, true)) {
        EXPECT_TRUE(o.IsZero());
    }
    // Exactly touching leaves a gap of 0: nothing moves either.
    const std::vector<PanelRect> touching{R(0, 0, 10, 8), R(10, 0, 10, 8), R(20, 0, 10, 8)};
    for (const Offset& o : DistributeOffsets(touching, true)) {
        EXPECT_TRUE(o.IsZero());
    }
}

TEST(EditorGeometry, CentreMovesTheUnionToTheScreenMiddle) {
    const PanelRect u = R(10, 10, 20, 9);
    EXPECT_EQ(CentreOffset(u, CentreMode::Both, W, H), (Offset{64 - 20, 32 - 14}));
    EXPECT_EQ(CentreOffset(u, CentreMode::Horizontal, W, H), (Offset{44, 0}));
    EXPECT_EQ(CentreOffset(u, CentreMode::Vertical, W, H), (Offset{0, 18}));
}

TEST(EditorGeometry, PasteOffsetsGrowByFourAndResetAtTheEdge) {
    const PanelRect group = R(10, 10, 20, 10);
    const Offset first = NextPasteOffset({}, true, group, W, H);
    EXPECT_EQ(first, (Offset{4, 4}));
    EXPECT_EQ(NextPasteOffset(first, true, group, W, H), (Offset{8, 8}));
    EXPECT_EQ(NextPasteOffset({}, false, group, W, H), (Offset{0, 0})) << "another screen keeps the coordinates";
    // A group near the right edge would leave the screen: it goes to the origin.
    const PanelRect edge = R(100, 20, 26, 8);
    EXPECT_EQ(NextPasteOffset({}, true, edge, W, H), (Offset{-100, -20}));
    EXPECT_EQ(NextPasteOffset({}, false, R(10, 60, 10, 10), W, H), (Offset{-10, -60}));
    // After pastes into the source screen, another screen still gets the
    // copied coordinates, not the running offset.
    EXPECT_EQ(NextPasteOffset({8, 8}, false, group, W, H), (Offset{0, 0}));
}

TEST(EditorGeometry, FifthTrendIsRefused) {
    EXPECT_TRUE(TrendAllowed(0));
    EXPECT_TRUE(TrendAllowed(3));
    EXPECT_FALSE(TrendAllowed(4));
    // A paste brings several at once: all of them must fit.
    EXPECT_TRUE(TrendsAllowed(2, 2));
    EXPECT_FALSE(TrendsAllowed(3, 2));
    EXPECT_FALSE(TrendsAllowed(0, 5));
    EXPECT_TRUE(TrendsAllowed(4, 0));
}

TEST(EditorGeometry, RectangleHelpers) {
    EXPECT_EQ(SpanOf(10, 5, 2, 1).left, 2);
    EXPECT_EQ(SpanOf(10, 5, 2, 1).right, 11);
    EXPECT_TRUE(WhollyInside(R(2, 2, 4, 4), R(2, 2, 4, 4)));
    EXPECT_FALSE(WhollyInside(R(2, 2, 5, 4), R(2, 2, 4, 4)));
    EXPECT_TRUE(IsEmpty(UnionOf({})));
    EXPECT_EQ(UnionOf({R(5, 6, 1, 1), R(0, 10, 2, 2)}).bottom, 12);
}
