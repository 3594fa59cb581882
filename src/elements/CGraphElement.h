#pragma once
// The common base of every element placed on a screen: its place (see
// ElementGeometry), kind, number and name, the archive and XML forms of the
// shared attributes, and the virtual operations each kind overrides. The
// records elements share live in ImageRecords; kinds get Clone and CopyFrom
// from CopyableElement.
#include <cstdint>
#include <memory>
#include <string>

#include "base/Archivable.h"
#include "elements/ElementGeometry.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;
class FontEngine;
class PanelCanvas;
struct CompileContext;

class CGraphElement : public Archivable, public ElementGeometry {
    BALSAR_DECLARE_CLASS(CGraphElement)
public:
    CGraphElement() = default;

    // Common archive prefix: version 1, name, ID, then extra B, extra A,
    // double size, reverse, height, width, kind, left, top, order.
    void Serialize(Archive& ar) override;
    // A new element of the same kind filled by CopyFrom; the base has none.
    virtual std::unique_ptr<CGraphElement> Clone() const { return nullptr; }
    // Copies name, extras, double size, reverse, size, kind and position;
    // not the ID and not the order.
    virtual void CopyFrom(const CGraphElement& other);
    // Appends the element's compiled record; the base writes nothing.
    virtual void Compile(CompileContext& context) const;
    // Appends the 4-byte position record of the element's rectangle.
    void CompilePosition(CompileContext& context) const;

    // Draws the element onto the panel canvas as the panel shows it; the
    // base draws nothing.
    virtual void Draw(PanelCanvas& canvas, FontEngine* fonts) const;

    // Resize handles of resizable kinds: 1 top, 2 right, 3 bottom, 4 left,
    // 0 none. The base has none.
    virtual int HitHandle(int /*x*/, int /*y*/) { return 0; }
    virtual int GetHandle() const { return 0; }
    virtual void DragHandle(int /*handle*/, int /*dx*/, int /*dy*/, int /*screenWidth*/, int /*screenHeight*/) {}

    // Appends a "Part" child with the common attributes to parts.
    virtual void XmlSave(CXmlNodeWrapper& parts) const;
    // Reads the common attributes from a "Part" element. False (with the
    // message "GE find 'Position' node failure!") without a "Position" child.
    virtual bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink);

    // Address operations of kinds that hold addresses.
    virtual void ResetAddress() {}
    virtual void SwapPorts(int32_t /*a*/, int32_t /*b*/) {}

    // Position in the panel's ordered selection; 0xFFFF when not taking part.
    virtual int32_t GetOrder() const { return m_order; }
    void SetOrder(int32_t order) { m_order = order; }

    // Stores the number as ID and names the element "<short name><number>".
    void SetNumber(uint16_t id);

    uint16_t GetID() const { return m_id; }
    void SetID(uint16_t id) { m_id = id; }
    int32_t GetKind() const { return m_kind; }
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    int32_t GetReverse() const { return m_reverse; }
    void SetReverse(int32_t v) { m_reverse = v; }
    // Carried by copy and archive only.
    int32_t GetExtraA() const { return m_extraA; }
    int32_t GetExtraB() const { return m_extraB; }

    // The stored fields exactly as a file holds them, for readers of other
    // project forms: the order without the kind's own rule (GetOrder), the
    // extras, and the kind code a kind's constructor otherwise fixes.
    int32_t StoredOrder() const { return m_order; }
    void SetExtraA(int32_t v) { m_extraA = v; }
    void SetExtraB(int32_t v) { m_extraB = v; }
    void SetKindCode(int32_t kind) { m_kind = kind; }

protected:
    explicit CGraphElement(int32_t kind) : m_kind(kind) {}

    uint16_t m_id = 0xFFFF;
    int32_t m_extraA = 0;
    int32_t m_extraB = 0;
    int32_t m_reverse = 0;
    std::string m_name;
    int32_t m_kind = 0;
    int32_t m_order = 0xFFFF;
};

} // namespace balsar
