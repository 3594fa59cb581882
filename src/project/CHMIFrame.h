#pragma once
// A screen: its number, description, up/down key targets and the ordered
// list of elements it owns (drawing order and compile order).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Archivable.h"
#include "elements/CGraphElement.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;
struct CompileContext;

using ElementList = std::vector<std::unique_ptr<CGraphElement>>;
// Creates an empty element for a legacy XML "Type" name; null when unknown.
using XmlElementFactory = std::function<std::unique_ptr<CGraphElement>(std::string_view)>;

class CHMIFrame : public Archivable {
    BALSAR_DECLARE_CLASS(CHMIFrame)
public:
    CHMIFrame() = default;

    // Sets the number and the name "HMI<number>".
    void SetNumber(uint16_t number);
    uint16_t GetNumber() const { return m_number; }
    const std::string& GetName() const { return m_name; }
    // The name as a file holds it (SetNumber derives "HMI<number>").
    void SetName(const std::string& name) { m_name = name; }
    const std::string& GetDescription() const { return m_description; }
    void SetDescription(const std::string& text) { m_description = text; }
    uint16_t GetUpKeyTarget() const { return m_upKey; }
    uint16_t GetDownKeyTarget() const { return m_downKey; }
    void SetUpKeyTarget(uint16_t n) { m_upKey = n; }
    void SetDownKeyTarget(uint16_t n) { m_downKey = n; }

    const ElementList& GetElements() const { return m_elements; }
    // Appends the element, giving it the smallest ID free among elements of
    // its kind and the matching name. 0 (and the element is destroyed) when
    // the element already is on this screen; the element pointer is then
    // not taken.
    int AddElement(std::unique_ptr<CGraphElement> element);
    // Removes and destroys the element; 1 when it was on the screen.
    int RemoveElement(const CGraphElement* element);
    // Takes the element off the screen without destroying it.
    std::unique_ptr<CGraphElement> DetachElement(const CGraphElement* element);
    int CountTrends() const;
    // Moves the listed elements to the end (front) keeping their relative
    // order; returns how many moved.
    int BringToFront(const std::vector<const CGraphElement*>& selection);
    // Moves them to the start (back), keeping their relative order.
    int SendToBack(const std::vector<const CGraphElement*>& selection);

    std::unique_ptr<CHMIFrame> Clone() const;
    void CopyFrom(const CHMIFrame& other);

    void Serialize(Archive& ar) override;
    // Appends a "Frame" child with its "Parts" to parent.
    void XmlSave(CXmlNodeWrapper& parent) const;
    // Reads a "Frame" element; false when it has no "Parts" child. Parts of
    // an unknown "Type" are skipped.
    bool XmlLoad(const CXmlNodeWrapper& frame, MessageSink& sink, const XmlElementFactory& factory);
    // Appends the screen record and its elements' records.
    void Compile(CompileContext& context) const;

    // Visits every element (address operations of the project).
    void ResetAddresses();
    void SwapPorts(int32_t a, int32_t b);

private:
    uint16_t SmallestFreeId(int32_t kind) const;

    ElementList m_elements;
    std::string m_name;
    std::string m_description;
    uint16_t m_number = 1;
    uint16_t m_upKey = 1;
    uint16_t m_downKey = 1;
};

} // namespace balsar
