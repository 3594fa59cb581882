#include "simulator/PanelFrontWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "runtime/PanelRuntime.h"
#include "simulator/FramePng.h"

namespace balsar::simulator {

namespace {

// An LCD's colours: dark pixels on a pale green glass; dimmed without
// backlight.
const QColor kLit(0x20, 0x28, 0x20);
const QColor kUnlit(0xC8, 0xD8, 0xB0);
const QColor kUnlitDark(0x70, 0x78, 0x60);

QRect ToQt(const FrontRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

PanelFrontWidget::PanelFrontWidget(FrontLayout layout, QImage picture, QWidget* parent)
    : QWidget(parent), m_layout(std::move(layout)), m_picture(std::move(picture)) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize PanelFrontWidget::sizeHint() const {
    return QSize(m_layout.width, m_layout.height);
}

void PanelFrontWidget::ShowFrame(const runtime::FrameBuffer& frame, bool backlight) {
    m_lcd = LcdImage(frame, m_layout.lcdScale, kLit, backlight ? kUnlit : kUnlitDark);
    update(ToQt(m_layout.lcd));
}

void PanelFrontWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull()) {
        painter.drawImage(0, 0, m_picture);
    } else {
        // A plain front: the keys as outlined boxes with their names.
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
        painter.drawText(QRect(24, 4, width() - 48, 24), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(m_layout.modelName));
        for (const FrontKey& key : m_layout.keys) {
            painter.drawRoundedRect(ToQt(key.rect), 4, 4);
            painter.drawText(ToQt(key.rect), Qt::AlignCenter, QString::fromStdString(key.name));
        }
    }
    if (!m_lcd.isNull()) {
        painter.drawImage(m_layout.lcd.x, m_layout.lcd.y, m_lcd);
    }
    if (m_held) {
        if (const FrontKey* key = m_layout.Key(*m_held)) {
            // A held key shows pressed: its picture inverted.
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(ToQt(key->rect).adjusted(2, 2, -2, -2), Qt::white);
        }
    }
}

void PanelFrontWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (const FrontKey* key = m_layout.KeyAt(at.x(), at.y())) {
        Press(key->code);
    }
    setFocus();
}

void PanelFrontWidget::mouseReleaseEvent(QMouseEvent*) {
    Release();
}

int PanelFrontWidget::KeyCodeOfQtKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return 1 + (qtKey - Qt::Key_F1);
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return runtime::KEY_DIGIT_0 + (qtKey - Qt::Key_0);
    }
    switch (qtKey) {
    case Qt::Key_Up:
        return runtime::KEY_UP;
    case Qt::Key_Down:
        return runtime::KEY_DOWN;
    case Qt::Key_Left:
        return runtime::KEY_LEFT;
    case Qt::Key_Right:
        return runtime::KEY_RIGHT;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return runtime::KEY_ENTER;
    case Qt::Key_Escape:
        return runtime::KEY_ESCAPE;
    default:
        return -1;
    }
}

void PanelFrontWidget::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCodeOfQtKey(event->key());
    if (code < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        Press(code);
    }
}

void PanelFrontWidget::keyReleaseEvent(QKeyEvent* event) {
    if (KeyCodeOfQtKey(event->key()) < 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        Release();
    }
}

void PanelFrontWidget::wheelEvent(QWheelEvent* event) {
    if (!m_encoder) {
        QWidget::wheelEvent(event);
        return;
    }
    // One step of a usual wheel is 15 degrees (120 eighths); touchpads
    // deliver smaller pieces, which add up to steps.
    constexpr int kStep = 120;
    m_wheelRest += event->angleDelta().y();
    while (m_wheelRest >= kStep || m_wheelRest <= -kStep) {
        const int code = m_wheelRest > 0 ? runtime::KEY_UP : runtime::KEY_DOWN;
        m_wheelRest += m_wheelRest > 0 ? -kStep : kStep;
        Press(code);
        Release();
    }
    event->accept();
}

void PanelFrontWidget::Press(int code) {
    Release();
    m_held = code;
    emit KeyPressed(code);
    update();
}

void PanelFrontWidget::Release() {
    if (m_held) {
        const int code = *m_held;
        m_held.reset();
        emit KeyReleased(code);
        update();
    }
}

} // namespace balsar::simulator
