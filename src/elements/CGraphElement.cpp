#include "elements/CGraphElement.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/CompileContext.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"
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
    m_name = other.m_name;
    m_extraA = other.m_extraA;
    m_extraB = other.m_extraB;
    m_doubleSize = other.m_doubleSize;
    m_reverse = other.m_reverse;
    m_width = other.m_width;
    m_height = other.m_height;
    m_kind = other.m_kind;
    m_left = other.m_left;
    m_top = other.m_top;
}

void CGraphElement::Compile(CompileContext&) const {}

void CGraphElement::CompilePosition(CompileContext& context) const { CompilePositionOf(context, Rect()); }

void CGraphElement::CompilePositionOf(CompileContext& context, const PanelRect& rect) {
    AppendBytes(context.image, static_cast<uint32_t>(rect.left), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.top), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.right - 1), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.bottom - 1), 1);
}

void CGraphElement::CompileHead(CompileContext& context) const {
    const auto kindByte = CompiledKindByte(m_kind);
    AppendBytes(context.image, kindByte ? *kindByte : 0u, 1);
    const uint32_t link = context.linkCounter;
    for (int shift = 24; shift >= 0; shift -= 8) {
        AppendBytes(context.image, (link >> shift) & 0xFF, 1);
    }
    context.linkCounter = static_cast<uint32_t>(context.image.size());
}

void CGraphElement::Draw(PanelCanvas&, FontEngine*) const {}

void CGraphElement::DrawTextGlyphs(PanelCanvas& canvas, const PanelRect& rect, FontEngine* fonts,
                                   std::string_view text, const std::string& face, int pixelSize,
                                   int fontMode) const {
    const bool reverse = m_reverse != 0;
    canvas.Fill(rect, reverse);
    int x = rect.left;
    for (const char32_t ch : Utf8ToUtf32(text)) {
        if (x >= rect.right) {
            break;
        }
        const auto glyph = MakeGlyph(fonts, ch, face, pixelSize, fontMode);
        if (!glyph) {
            continue;
        }
        canvas.DrawGlyph(*glyph, x, rect.top, !reverse, rect);
        x += glyph->width;
    }
}

void CGraphElement::ChangeDoubleSize(bool on, int screenWidth, int screenHeight) {
    if (m_doubleSize == 0 && on) {
        m_width *= 2;
        m_height *= 2;
    } else if (m_doubleSize != 0 && !on) {
        m_width /= 2;
        m_height /= 2;
    }
    if (m_left < 0) {
        m_left = 0;
    } else if (m_left + m_width > screenWidth) {
        m_left = screenWidth - m_width;
    }
    if (m_top < 0) {
        m_top = 0;
    } else if (m_top + m_height > screenHeight) {
        m_top = screenHeight - m_height;
    }
    m_doubleSize = on ? 1 : 0;
}

bool CGraphElement::HitTest(int x, int y) const {
    return x >= m_left - 1 && x < m_left + m_width + 1 && y >= m_top - 1 && y < m_top + m_height + 1;
}

bool CGraphElement::FitsOnScreenAt(int left, int top, int screenWidth, int screenHeight) const {
    return left >= 0 && top >= 0 && left + m_width <= screenWidth && top + m_height <= screenHeight;
}

PanelRect CGraphElement::Rect() const { return PanelRect{m_left, m_top, m_left + m_width, m_top + m_height}; }

PanelRect CGraphElement::TextSizedRect(const std::optional<TextSize>& size) const {
    if (!size) {
        return Rect();
    }
    const int factor = m_doubleSize != 0 ? 2 : 1;
    return PanelRect{m_left, m_top, m_left + size->width * factor, m_top + size->height * factor};
}

void CGraphElement::SetSizeFrom(const PanelRect& rect) {
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
}

int CGraphElement::HandleAt(int x, int y) const {
    const auto near = [x, y](int hx, int hy) { return x >= hx - 1 && x <= hx + 1 && y >= hy - 1 && y <= hy + 1; };
    const int midX = m_left + m_width / 2;
    const int midY = m_top + m_height / 2;
    if (near(midX, m_top)) {
        return 1;
    }
    if (near(m_left + m_width, midY)) {
        return 2;
    }
    if (near(midX, m_top + m_height)) {
        return 3;
    }
    if (near(m_left, midY)) {
        return 4;
    }
    return 0;
}

bool CGraphElement::MoveEdge(int handle, int dx, int dy, int screenWidth, int screenHeight) {
    int left = m_left;
    int top = m_top;
    int width = m_width;
    int height = m_height;
    switch (handle) {
    case 1:
        top += dy;
        height -= dy;
        break;
    case 2:
        width += dx;
        break;
    case 3:
        height += dy;
        break;
    case 4:
        left += dx;
        width -= dx;
        break;
    default:
        return false;
    }
    if (width < 4 || height < 8 || left < 0 || top < 0 || left + width > screenWidth ||
        top + height > screenHeight) {
        return false;
    }
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return true;
}

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
