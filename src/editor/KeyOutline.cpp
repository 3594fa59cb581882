#include "editor/KeyOutline.h"

#include <QPainter>

#include "elements/CFunckeyGE.h"
#include "project/CHMIFrame.h"

namespace balsar::editor {

std::vector<PanelRect> KeyOutlineRects(const CHMIFrame& screen) {
    std::vector<PanelRect> rects;
    for (const auto& element : screen.GetElements()) {
        const auto* key = dynamic_cast<const CFunckeyGE*>(element.get());
        if (key != nullptr && key->ShowsOutline()) {
            rects.push_back(key->Rect());
        }
    }
    return rects;
}

void DrawKeyOutlines(QPainter& painter, const CHMIFrame& screen,
                     const std::function<QRect(const PanelRect&)>& toWindow) {
    const std::vector<PanelRect> rects = KeyOutlineRects(screen);
    if (rects.empty()) {
        return;
    }
    painter.save();
    painter.setPen(QPen(QColor::fromRgb(CFunckeyGE::OutlineColour()), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const PanelRect& r : rects) {
        painter.drawRect(toWindow(r).adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

} // namespace balsar::editor
