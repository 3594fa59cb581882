#include "editor/CanvasWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/EditorStrings.h"
#include "editor/HandleDrag.h"
#include "editor/KeyOutline.h"
#include "editor/ScreenEditor.h"
#include "project/DesignerSession.h"
#include "i18n/UiText.h"

namespace balsar::editor {

namespace {

constexpr int kHandleSize = 5;

} // namespace

QImage RenderScreenImage(const ScreenEditor& editor) {
    const int width = std::max(editor.ScreenWidth(), 1);
    const int height = std::max(editor.ScreenHeight(), 1);
    PanelCanvas canvas(width, height);
    if (const CHMIFrame* screen = editor.Screen()) {
        for (const auto& element : screen->GetElements()) {
            element->Draw(canvas, editor.Session().Fonts());
        }
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = canvas.Pixel(x, y) ? kLitColour : kUnlitColour;
        }
    }
    return image;
}

CanvasWidget::CanvasWidget(ScreenEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_editor, &ScreenEditor::contentChanged, this, qOverload<>(&QWidget::update));
    connect(&m_editor, &ScreenEditor::screenChanged, this, [this] {
        m_gesture = Gesture::None;
        update();
    });
    UpdateSize();
}

QSize CanvasWidget::sizeHint() const {
    return {PanelToWindow(m_editor.ScreenWidth()), PanelToWindow(m_editor.ScreenHeight())};
}

void CanvasWidget::UpdateSize() {
    setFixedSize(sizeHint());
    update();
}

QPoint CanvasWidget::PanelPoint(const QPoint& window) const {
    return {WindowToPanel(window.x()), WindowToPanel(window.y())};
}

QRect CanvasWidget::WindowRect(const PanelRect& r) const {
    return QRect(PanelToWindow(r.left), PanelToWindow(r.top), PanelToWindow(r.right - r.left),
                 PanelToWindow(r.bottom - r.top));
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const CHMIFrame* screen = m_editor.Screen();
    if (screen == nullptr) {
        return;
    }
    p.drawImage(QRect(0, 0, PanelToWindow(m_editor.ScreenWidth()), PanelToWindow(m_editor.ScreenHeight())),
                RenderScreenImage(m_editor));
    DrawKeyOutlines(p, *screen, [this](const PanelRect& r) { return WindowRect(r); });
    // A dot of the window colour every 16 window pixels (8 panel pixels).
    const QColor gridColour = palette().color(QPalette::Window);
    p.setPen(gridColour);
    for (int y = 0; y < height(); y += 16) {
        for (int x = 0; x < width(); x += 16) {
            p.drawPoint(x, y);
        }
    }
    if (m_editor.Tool() >= 0) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(WindowRect(m_editor.Ghost()).adjusted(0, 0, -1, -1));
    }
    if (const CMirloProject* project = m_editor.Doc().Project(); project != nullptr && project->showLabels != 0) {
        QFont font(QStringLiteral("Sans Serif"));
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(QColor(255, 204, 0));
        for (const auto& element : screen->GetElements()) {
            const QRect r = WindowRect(element->Rect());
            p.drawText(QRect(r.left(), r.top() - 18, std::max(r.width(), 60), 18), Qt::AlignLeft | Qt::AlignBottom,
                       QString::fromStdString(element->GetName()));
        }
    }
    const EditorSelection& selection = m_editor.Selection();
    p.setPen(Qt::black);
    for (const CGraphElement* element : selection.Items()) {
        const QRect r = WindowRect(element->Rect());
        const int xs[3] = {r.left(), r.center().x(), r.right()};
        const int ys[3] = {r.top(), r.center().y(), r.bottom()};
        for (int ix = 0; ix < 3; ++ix) {
            for (int iy = 0; iy < 3; ++iy) {
                if (ix == 1 && iy == 1) {
                    continue;
                }
                p.fillRect(QRect(xs[ix] - kHandleSize / 2, ys[iy] - kHandleSize / 2, kHandleSize, kHandleSize),
                           Qt::black);
            }
        }
        // Resizable kinds show their edge handles as hollow white squares.
        p.setPen(Qt::white);
        for (const PanelRect& square : HandleSquares(*element)) {
            const QRect w = WindowRect(square);
            p.fillRect(w, Qt::black);
            p.drawRect(w.adjusted(0, 0, -1, -1));
        }
        p.setPen(Qt::black);
    }
    if (selection.Size() > 1) {
        p.setPen(QPen(QColor(128, 0, 128), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(WindowRect(selection.Reference()->Rect()).adjusted(-2, -2, 1, 1));
    }
    if (m_gesture == Gesture::Band) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const QPoint a = PanelPoint(m_start);
        const QPoint b = PanelPoint(m_current);
        p.drawRect(WindowRect(SpanOf(a.x(), a.y(), b.x(), b.y())).adjusted(0, 0, -1, -1));
    }
    if (m_gesture == Gesture::Drag && !m_dragOffset.IsZero()) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1));
        for (const CGraphElement* element : selection.Items()) {
            p.drawRect(WindowRect(Moved(element->Rect(), m_dragOffset)).adjusted(0, 0, -1, -1));
        }
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_editor.Screen() == nullptr) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    const QPoint pt = PanelPoint(pos);
    m_start = pos;
    m_current = pos;
    if (m_editor.Tool() >= 0) {
        m_editor.MoveGhost(pt.x(), pt.y());
        m_editor.InsertAtGhost();
        return;
    }
    EditorSelection& selection = m_editor.Selection();
    if (selection.Size() == 1) {
        CGraphElement* only = selection.Reference();
        if (const int handle = only->HitHandle(pt.x(), pt.y()); handle != 0) {
            m_gesture = Gesture::Resize;
            m_resizeHandle = handle;
            ++m_resizeGesture;
            return;
        }
    }
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    CGraphElement* hit = ElementAt(m_editor.Screen()->GetElements(), pt.x(), pt.y());
    m_editor.PressSelect(hit, ctrl);
    if (hit == nullptr) {
        m_gesture = Gesture::Band;
    } else if (selection.Contains(hit)) {
        m_gesture = Gesture::Drag;
        m_dragUnion = UnionOf(selection.Rects());
        m_dragOffset = {};
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_editor.Screen() == nullptr || m_editor.Tool() >= 0) {
        return;
    }
    const QPoint pt = PanelPoint(event->position().toPoint());
    const ElementList& elements = m_editor.Screen()->GetElements();
    const CGraphElement* hit = ElementAt(elements, pt.x(), pt.y());
    for (size_t i = 0; hit != nullptr && i < elements.size(); ++i) {
        if (elements[i].get() == hit) {
            emit elementDoubleClicked(static_cast<int>(i));
            return;
        }
    }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint pt = PanelPoint(pos);
    if (m_editor.Screen() != nullptr) {
        emit mousePositionText(i18n::Ui(texts::kMousePosition).arg(pt.x()).arg(pt.y()));
    }
    switch (m_gesture) {
    case Gesture::None:
        m_editor.MoveGhost(pt.x(), pt.y());
        break;
    case Gesture::Band:
        m_current = pos;
        update();
        break;
    case Gesture::Drag: {
        const QPoint start = PanelPoint(m_start);
        m_dragOffset = DragOffset(m_dragUnion, pt.x() - start.x(), pt.y() - start.y(), m_editor.ScreenWidth(),
                                  m_editor.ScreenHeight());
        update();
        break;
    }
    case Gesture::Resize: {
        const QPoint last = PanelPoint(m_current);
        CGraphElement* element = m_editor.Selection().Reference();
        if (element == nullptr) {
            break;
        }
        const PanelRect before = element->Rect();
        m_editor.ResizeStep(element, m_resizeHandle, pt.x() - last.x(), pt.y() - last.y(), m_resizeGesture);
        const PanelRect after = element->Rect();
        if (before.left != after.left || before.top != after.top || before.right != after.right ||
            before.bottom != after.bottom) {
            m_current = pos;
        }
        break;
    }
    }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    if (gesture == Gesture::Band) {
        const QPoint a = PanelPoint(m_start);
        const QPoint b = PanelPoint(event->position().toPoint());
        m_editor.AddBand(SpanOf(a.x(), a.y(), b.x(), b.y()));
    } else if (gesture == Gesture::Drag) {
        const QPoint start = PanelPoint(m_start);
        const QPoint pt = PanelPoint(event->position().toPoint());
        const Offset offset = DragOffset(m_dragUnion, pt.x() - start.x(), pt.y() - start.y(),
                                         m_editor.ScreenWidth(), m_editor.ScreenHeight());
        m_dragOffset = {};
        m_editor.MoveSelection(offset);
    }
    update();
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        m_editor.Nudge(-1, 0);
        break;
    case Qt::Key_Right:
        m_editor.Nudge(1, 0);
        break;
    case Qt::Key_Up:
        m_editor.Nudge(0, -1);
        break;
    case Qt::Key_Down:
        m_editor.Nudge(0, 1);
        break;
    case Qt::Key_Delete:
        m_editor.DeleteSelection();
        break;
    case Qt::Key_Escape:
        m_editor.DisarmTool();
        m_editor.SelectNone();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CanvasWidget::leaveEvent(QEvent*) { emit mousePositionText(QString()); }

} // namespace balsar::editor
