#pragma once
// The drawing window of the screen editor: paints the current screen as the
// panel shows it, twice enlarged, with labels, handles, the reference
// marker, the rubber band, the insert ghost and the grid; turns mouse and
// key gestures into ScreenEditor calls.
#include <QImage>
#include <QWidget>
#include <optional>

#include "editing/EditorGeometry.h"
#include "elements/PanelCanvas.h"

namespace balsar::editor {

class ScreenEditor;

// Unlit and lit panel pixels on the canvas.
inline constexpr QRgb kUnlitColour = 0xFF54BC0D; // RGB(84,188,13)
inline constexpr QRgb kLitColour = 0xFF202020;   // RGB(32,32,32)

// The screen as the panel shows it, one image pixel per panel pixel.
QImage RenderScreenImage(const ScreenEditor& editor);

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(ScreenEditor& editor, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Follows the panel size of the open project.
    void UpdateSize();

signals:
    // Mouse position in panel pixels; empty text when the mouse left.
    void mousePositionText(const QString& text);
    // A double click on an element: its position in the screen's list.
    void elementDoubleClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Gesture { None, Band, Drag, Resize };
    QPoint PanelPoint(const QPoint& window) const;
    QRect WindowRect(const PanelRect& r) const;

    ScreenEditor& m_editor;
    Gesture m_gesture = Gesture::None;
    QPoint m_start;
    QPoint m_current;
    PanelRect m_dragUnion{};
    Offset m_dragOffset{};
    int m_resizeHandle = 0;
    int m_resizeGesture = 0;
};

} // namespace balsar::editor
