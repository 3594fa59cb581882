#include "EditorTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "editing/EditorGeometry.h"
#include "elements/CRegisterGE.h"
#include "project/CoreClasses.h"
#include "support/QtTestMain.h"

namespace balsar::test {

BALSAR_IMPLEMENT_CLASS(ResizableElement, 0, &CGraphElement::StaticClass())

const ClassRegistry& EditorTestRegistry() {
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCoreClasses(r);
        r.Add(ResizableElement::StaticClass());
        return r;
    }();
    return registry;
}

std::optional<std::string> LocalOnlyCatalogue::FindName(int id) const {
    return id == 0 ? std::optional<std::string>("Local") : std::nullopt;
}

EditorFixture::EditorFixture() {
    auto project = doc.CreateProject();
    project->SetProjectPath("/tmp/editor-test/demo.ZPJ");
    doc.SetProject(std::move(project));
    auto one = std::make_unique<CHMIFrame>();
    one->SetNumber(1);
    doc.AddScreen(std::move(one));
    auto three = std::make_unique<CHMIFrame>();
    three->SetNumber(3);
    three->SetDescription("Alarms");
    doc.AddScreen(std::move(three));
    doc.SetCurrentScreen(doc.FindScreen(1));
    doc.SetModifiedFlag(false);
    editor = std::make_unique<editor::ScreenEditor>(doc, session, EditorTestRegistry());
}

EditorFixture::~EditorFixture() { editor.reset(); }

CGraphElement* EditorFixture::AddRegister(int left, int top, int width, int height) {
    auto element = std::make_unique<CRegisterGE>();
    element->SetTopLeft(left, top);
    element->SetWidth(width);
    element->SetHeight(height);
    CGraphElement* raw = element.get();
    doc.CurrentScreen()->AddElement(std::move(element));
    return raw;
}

CGraphElement* EditorFixture::AddResizable(int left, int top, int width, int height) {
    auto element = std::make_unique<ResizableElement>();
    element->SetTopLeft(left, top);
    element->SetWidth(width);
    element->SetHeight(height);
    CGraphElement* raw = element.get();
    doc.CurrentScreen()->AddElement(std::move(element));
    return raw;
}

std::vector<uint8_t> EditorFixture::ProjectBytes() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeData();
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void Drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers) {
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, modifiers);
}

QPoint Win(int panelX, int panelY) { return {editor::PanelToWindow(panelX), editor::PanelToWindow(panelY)}; }

} // namespace balsar::test

int main(int argc, char** argv) { return balsar::test::RunQtTests(argc, argv); }
