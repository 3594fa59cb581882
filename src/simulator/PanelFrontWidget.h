#pragma once
// The panel's front: the model's front picture with the LCD showing the
// frame buffer enlarged, and the keys, which respond to the mouse and to
// the keyboard (F1-F12, arrows, digits, Enter, Esc). On a model with a
// rotary encoder the mouse wheel turns it: a step away from the user is the
// up key, a step towards the user the down key.
#include <QImage>
#include <QWidget>
#include <optional>

#include "runtime/FrameBuffer.h"
#include "simulator/FrontLayout.h"

namespace balsar::simulator {

class PanelFrontWidget : public QWidget {
    Q_OBJECT
public:
    // picture: the front picture; a null image draws a plain front from the
    // layout.
    PanelFrontWidget(FrontLayout layout, QImage picture, QWidget* parent = nullptr);

    void ShowFrame(const runtime::FrameBuffer& frame, bool backlight);
    const FrontLayout& Layout() const { return m_layout; }
    QSize sizeHint() const override;
    // Whether the wheel turns the model's rotary encoder (off: the wheel does
    // nothing, as the model has none).
    void SetEncoder(bool present) { m_encoder = present; }
    bool HasEncoder() const { return m_encoder; }
    // The panel key of a keyboard key; -1 for none.
    static int KeyCodeOfQtKey(int qtKey);

signals:
    void KeyPressed(int code);
    void KeyReleased(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Press(int code);
    void Release();

    FrontLayout m_layout;
    QImage m_picture;
    QImage m_lcd;
    std::optional<int> m_held;
    bool m_encoder = false;
    int m_wheelRest = 0; // eighths of a degree not yet a whole step
};

} // namespace balsar::simulator
