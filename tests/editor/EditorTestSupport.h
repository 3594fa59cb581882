#pragma once
// A document with an open project, an editor over it, and helpers to send
// real mouse events to the canvas and to take the project's bytes.
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "editor/ScreenEditor.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/LegacyPlcCatalogue.h"

namespace balsar::test {

// A resizable element for the handle tests (the resizable kinds of the
// product arrive with their own parts).
class ResizableElement : public CGraphElement {
    BALSAR_DECLARE_CLASS(ResizableElement)
public:
    ResizableElement() : CGraphElement(5) {}
    std::unique_ptr<CGraphElement> Clone() const override {
        auto copy = std::make_unique<ResizableElement>();
        copy->CopyFrom(*this);
        return copy;
    }
    int HitHandle(int x, int y) override { return m_handle = HandleAt(x, y); }
    int GetHandle() const override { return m_handle; }
    void DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) override {
        MoveEdge(handle, dx, dy, screenWidth, screenHeight);
    }

private:
    int m_handle = 0;
};

const ClassRegistry& EditorTestRegistry();

// An older PLC catalogue with the one entry 0 ("Local").
class LocalOnlyCatalogue : public LegacyPlcCatalogue {
public:
    std::optional<std::string> FindName(int id) const override;
};

class EditorFixture {
public:
    // A project at a temporary path with screens 1 and 3 ("Alarms"), 128 x 64.
    EditorFixture();
    ~EditorFixture();

    // A register element at the given place on the current screen (no undo).
    CGraphElement* AddRegister(int left, int top, int width = 16, int height = 8);
    CGraphElement* AddResizable(int left, int top, int width, int height);
    std::vector<uint8_t> ProjectBytes();

    RecordingMessageSink sink;
    RecordingPrompt prompt;
    LocalOnlyCatalogue catalogue;
    DesignerSession session{sink, prompt, SessionParts{.legacyCatalogue = &catalogue}};
    CMirloDoc doc{session, EditorTestRegistry()};
    std::unique_ptr<editor::ScreenEditor> editor;
};

// Sends a mouse event at a window position of the widget.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Press, move and release with the left button, in window pixels.
void Drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The window position of a panel point.
QPoint Win(int panelX, int panelY);

} // namespace balsar::test
