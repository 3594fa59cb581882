#include "dialogs/ElementPreview.h"

#include <QPainter>
#include <algorithm>

#include "elements/CGraphElement.h"
#include "elements/PanelCanvas.h"

namespace balsar::dialogs {

namespace {

const QColor kUnlit(84, 188, 13);
const QColor kLit(32, 32, 32);

} // namespace

ElementPreview::ElementPreview(const CGraphElement& element, FontEngine* fonts, int panelWidth, int panelHeight,
                               QWidget* parent)
    : QWidget(parent), m_element(element), m_fonts(fonts) {
    setMinimumWidth(std::max(64, 2 * panelWidth + 8));
    setFixedHeight(std::max(32, 2 * panelHeight + 8));
}

PanelCanvas ElementPreview::Render() const {
    std::unique_ptr<CGraphElement> sample = m_element.Clone();
    if (sample == nullptr) {
        return PanelCanvas(1, 1);
    }
    sample->SetTopLeft(0, 0);
    PanelCanvas canvas(std::max(1, m_element.GetWidth()), std::max(1, m_element.GetHeight()));
    sample->Draw(canvas, m_fonts);
    return canvas;
}

void ElementPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const PanelCanvas canvas = Render();
    const int left = std::max(0, (width() - 2 * canvas.Width()) / 2);
    const int top = std::max(0, (height() - 2 * canvas.Height()) / 2);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            painter.fillRect(left + 2 * x, top + 2 * y, 2, 2, canvas.Pixel(x, y) ? kLit : kUnlit);
        }
    }
}

} // namespace balsar::dialogs
