#include "runtime/FrameCompare.h"

#include <algorithm>
#include <sstream>

namespace balsar::runtime::test {

namespace {

bool Inside(const PixelRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

std::string Picture(const PanelCanvas& designer, const FrameBuffer& runtime, const PixelRect& box) {
    std::ostringstream out;
    out << "designer | runtime, x " << box.left << ".." << box.right - 1 << ", y " << box.top << ".." << box.bottom - 1
        << "\n";
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            out << (designer.Pixel(x, y) ? '#' : '.');
        }
        out << " | ";
        for (int x = box.left; x < box.right; ++x) {
            out << (runtime.Pixel(x, y) ? '#' : '.');
        }
        out << "\n";
    }
    return out.str();
}

} // namespace

std::string CompareFrames(const PanelCanvas& designer, const FrameBuffer& runtime,
                          const std::vector<KnownDifference>& known) {
    if (designer.Width() != runtime.Width() || designer.Height() != runtime.Height()) {
        std::ostringstream out;
        out << "sizes differ: designer " << designer.Width() << "x" << designer.Height() << ", runtime "
            << runtime.Width() << "x" << runtime.Height();
        return out.str();
    }
    PixelRect box{runtime.Width(), runtime.Height(), 0, 0};
    int count = 0;
    std::vector<int> knownHits(known.size(), 0);
    for (int y = 0; y < runtime.Height(); ++y) {
        for (int x = 0; x < runtime.Width(); ++x) {
            if (designer.Pixel(x, y) == runtime.Pixel(x, y)) {
                continue;
            }
            bool explained = false;
            for (size_t k = 0; k < known.size(); ++k) {
                if (Inside(known[k].rect, x, y)) {
                    ++knownHits[k];
                    explained = true;
                }
            }
            if (explained) {
                continue;
            }
            ++count;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    std::ostringstream out;
    if (count > 0) {
        // A little context around the differing pixels.
        const PixelRect shown{std::max(box.left - 2, 0), std::max(box.top - 2, 0),
                              std::min(box.right + 2, runtime.Width()), std::min(box.bottom + 2, runtime.Height())};
        out << count << " pixels differ\n" << Picture(designer, runtime, shown);
    }
    for (size_t k = 0; k < known.size(); ++k) {
        if (knownHits[k] == 0) {
            out << "the known difference is gone (" << known[k].reason << "): remove it from the test\n";
        }
    }
    return out.str();
}

} // namespace balsar::runtime::test
