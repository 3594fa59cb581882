#pragma once
// The sample of an element page: the element drawn on the same 1-bit panel
// canvas the editor uses, two screen pixels per panel pixel. Its size is
// the panel's, fixed: an element always fits, and the controls below do
// not move while a change (a bar's direction, a count) resizes the element.
#include <QWidget>

namespace balsar {
class CGraphElement;
class FontEngine;
class PanelCanvas;
} // namespace balsar

namespace balsar::dialogs {

class ElementPreview : public QWidget {
    Q_OBJECT
public:
    ElementPreview(const CGraphElement& element, FontEngine* fonts, int panelWidth, int panelHeight,
                   QWidget* parent = nullptr);
    // The element drawn at the canvas origin, as large as the element.
    PanelCanvas Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CGraphElement& m_element;
    FontEngine* m_fonts;
};

} // namespace balsar::dialogs
