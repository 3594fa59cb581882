#include "elements/CGraphElement.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_ABSTRACT_CLASS(CGraphElement, 0, nullptr)

void CGraphElement::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.String(m_name);
    ar.Value(m_id);
    for (int32_t* field : {&m_extraB, &m_extraA, &m_doubleSize, &m_reverse, &m_height, &m_width, &m_kind, &m_left,
                           &m_top, &m_order}) {
        ar.Value(*field);
    }
}

void CGraphElement::CopyFrom(const CGraphElement& other) {
    const uint16_t id = m_id;
    const int32_t order = m_order;
    CGraphElement::operator=(other);
    m_id = id;
    m_order = order;
}

void CGraphElement::Compile(CompileContext&) const {}

void CGraphElement::CompilePosition(CompileContext& context) const {
    CompilePositionRecord(context, Rect());
}

void CGraphElement::Draw(PanelCanvas&, FontEngine*) const {}

void CGraphElement::XmlSave(CXmlNodeWrapper& parts) const {
    CXmlNodeWrapper part = parts.InsertNode(parts.NumNodes(), "Part");
    part.SetValue("Type", XmlTypeName(m_kind));
    part.SetValue("ID", static_cast<int32_t>(m_id));
    part.SetValue("Name", m_name);
    CXmlNodeWrapper position = part.InsertNode(0, "Position");
    position.SetValue("Left", m_left);
    position.SetValue("Top", m_top);
    position.SetValue("Width", m_width);
    position.SetValue("Height", m_height);
}

bool CGraphElement::XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) {
    if (const auto kind = KindFromXmlTypeName(part.GetValue("Type"))) {
        m_kind = *kind;
    }
    m_id = static_cast<uint16_t>(IntAttribute(part, "ID"));
    m_name = part.GetValue("Name");
    const CXmlNodeWrapper position = part.FindNode("Position");
    if (!position) {
        sink.Message(strings::kNoPositionNode);
        return false;
    }
    m_left = IntAttribute(position, "Left");
    m_top = IntAttribute(position, "Top");
    m_width = IntAttribute(position, "Width");
    m_height = IntAttribute(position, "Height");
    return true;
}

void CGraphElement::SetNumber(uint16_t id) {
    m_id = id;
    m_name = Format("%s%d", std::string(ShortName(m_kind)).c_str(), static_cast<int>(id));
}

} // namespace balsar
