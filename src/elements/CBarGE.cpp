#include "elements/CBarGE.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "elements/ElementKinds.h"
#include "elements/GraphKindStrings.h"
#include "elements/PanelCanvas.h"
#include "elements/ResizeHandles.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CBarGE, 0, &CGraphElement::StaticClass())

namespace {

bool IsVertical(int32_t direction) { return direction == CBarGE::DIR_UP || direction == CBarGE::DIR_DOWN; }

} // namespace

CBarGE::CBarGE() : CopyableElement(KIND_BAR) {
    m_extraA = 1;
    m_extraB = 1;
}

void CBarGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    ar.Value(m_scale.dataType);
    ar.Value(m_scale.dataWidth);
    ar.Value(m_direction);
    ar.Value(m_scale.fullScale);
    ar.Value(m_scale.zeroScale);
    m_addr.Serialize(ar);
}

void CBarGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 2);
    m_addr.Compile(image, context.portProtocols, context.sink);
    AppendBytes(image, 0, 4);
    AppendBytes(image, 3, 1);
    AppendBytes(image, static_cast<uint32_t>(m_scale.dataType + 16 * m_direction) & 0xFF, 1);
    AppendBytes(image, m_scale.WidthByte(), 1);
    AppendBytes(image, 0, 1);
    m_scale.AppendValues(image);
}

void DrawOutline(PanelCanvas& canvas, const PanelRect& rect, bool lit) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    canvas.Fill(PanelRect{rect.left, rect.top, rect.right, rect.top + 1}, lit);
    canvas.Fill(PanelRect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, lit);
    canvas.Fill(PanelRect{rect.left, rect.top, rect.left + 1, rect.bottom}, lit);
    canvas.Fill(PanelRect{rect.right - 1, rect.top, rect.right, rect.bottom}, lit);
}

void CBarGE::Draw(PanelCanvas& canvas, FontEngine*) const {
    const PanelRect rect = Rect();
    canvas.Fill(rect, false);
    PanelRect third = rect;
    switch (m_direction) {
    case DIR_UP:
        third.top = rect.bottom - m_height / 3;
        break;
    case DIR_DOWN:
        third.bottom = rect.top + m_height / 3;
        break;
    case DIR_LEFT:
        third.left = rect.right - m_width / 3;
        break;
    default:
        third.right = rect.left + m_width / 3;
        break;
    }
    canvas.Fill(third, true);
    DrawOutline(canvas, rect, true);
    DrawOutline(canvas, PanelRect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, true);
}

void CBarGE::XmlSave(CXmlNodeWrapper& parts) const {
    CGraphElement::XmlSave(parts);
    CXmlNodeWrapper part = parts.GetNode(parts.NumNodes() - 1);
    CXmlNodeWrapper trait = part.InsertNode(1, "Trait");
    trait.SetValue("Double", YesNo(m_doubleSize));
    trait.SetValue("Reverse", YesNo(m_reverse));
    // The address has no XML form of its own; the node marks its place.
    part.InsertNode(2, "Reg");
    CXmlNodeWrapper show = part.InsertNode(3, "Show");
    if (m_direction >= DIR_UP && m_direction <= DIR_RIGHT) {
        show.SetValue("DrawDir", strings::kBarDirections[m_direction]);
    }
}

bool CBarGE::XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) {
    if (!CGraphElement::XmlLoad(part, sink)) {
        return false;
    }
    const CXmlNodeWrapper trait = part.FindNode("Trait");
    if (!trait) {
        sink.Message(strings::kBarMissingTrait);
        return false;
    }
    m_doubleSize = FlagAttribute(trait, "Double", "yes") ? 1 : 0;
    m_reverse = FlagAttribute(trait, "Reverse", "yes") ? 1 : 0;
    if (!part.FindNode("Reg")) {
        sink.Message(strings::kBarMissingReg);
        return false;
    }
    const CXmlNodeWrapper show = part.FindNode("Show");
    if (!show) {
        sink.Message(strings::kBarMissingShow);
        return false;
    }
    // "DataMode", "Upper" and "Lower" of older documents are not applied:
    // the element keeps its type and scale.
    const std::string direction = show.GetValue("DrawDir");
    for (int32_t i = DIR_UP; i <= DIR_RIGHT; ++i) {
        if (direction == strings::kBarDirections[i]) {
            m_direction = i;
        }
    }
    return true;
}

int CBarGE::HitHandle(int x, int y) {
    m_activeHandle = HandleAt(x, y);
    return m_activeHandle;
}

void CBarGE::DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) {
    DragElementEdge(*this, handle, dx, dy, kMinWidth, kMinHeight, screenWidth, screenHeight);
}

void CBarGE::ChangeDirection(int32_t direction) {
    if (IsVertical(direction) != IsVertical(m_direction)) {
        std::swap(m_width, m_height);
    }
    m_direction = direction;
}

} // namespace balsar
