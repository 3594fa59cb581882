#pragma once
// Function keys without a picture (no key, or the bare key) are invisible
// on the panel; the editor frames each with a dotted outline in the key's
// outline colour so that it can still be found and selected.
#include <QRect>
#include <functional>
#include <vector>

#include "elements/PanelCanvas.h"

class QPainter;

namespace balsar {
class CHMIFrame;
}

namespace balsar::editor {

// The rectangles (panel pixels) of the screen's keys that show an outline,
// in drawing order.
std::vector<PanelRect> KeyOutlineRects(const CHMIFrame& screen);

// Draws those outlines; toWindow maps a panel rectangle to the window.
void DrawKeyOutlines(QPainter& painter, const CHMIFrame& screen,
                     const std::function<QRect(const PanelRect&)>& toWindow);

} // namespace balsar::editor
