#pragma once
// Pixel-for-pixel comparison of the runtime's frame buffer with the
// designer's 1-bit canvas, with rectangles where a difference is known and
// explained (each must still differ, so that a fix shows up).
#include <string>
#include <vector>

#include "elements/PanelCanvas.h"
#include "runtime/FrameBuffer.h"

namespace balsar::runtime::test {

struct KnownDifference {
    PixelRect rect;
    std::string reason;
};

// Empty when the two agree outside the known differences and differ inside
// each of them; otherwise a description with both pictures of the region.
std::string CompareFrames(const PanelCanvas& designer, const FrameBuffer& runtime,
                          const std::vector<KnownDifference>& known = {});

} // namespace balsar::runtime::test
