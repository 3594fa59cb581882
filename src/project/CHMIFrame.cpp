#include "project/CHMIFrame.h"

#include <algorithm>
#include <set>

#include "base/Archive.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CHMIFrame, 0, nullptr)

void CHMIFrame::SetNumber(uint16_t number) {
    m_number = number;
    m_name = Format("HMI%d", static_cast<int>(number));
}

uint16_t CHMIFrame::SmallestFreeId(int32_t kind) const {
    std::set<uint16_t> used;
    for (const auto& element : m_elements) {
        if (element->GetKind() == kind) {
            used.insert(element->GetID());
        }
    }
    uint16_t id = 0;
    while (used.count(id) != 0 && id < 0xFFFF) {
        ++id;
    }
    return id;
}

int CHMIFrame::AddElement(std::unique_ptr<CGraphElement> element) {
    if (!element) {
        return 0;
    }
    for (const auto& existing : m_elements) {
        if (existing.get() == element.get()) {
            // Already owned here: give up this second owner without freeing.
            (void)element.release();
            return 0;
        }
    }
    element->SetNumber(SmallestFreeId(element->GetKind()));
    m_elements.push_back(std::move(element));
    return 1;
}

std::unique_ptr<CGraphElement> CHMIFrame::DetachElement(const CGraphElement* element) {
    const auto it = std::find_if(m_elements.begin(), m_elements.end(),
                                 [&](const auto& e) { return e.get() == element; });
    if (it == m_elements.end()) {
        return nullptr;
    }
    std::unique_ptr<CGraphElement> taken = std::move(*it);
    m_elements.erase(it);
    return taken;
}

int CHMIFrame::RemoveElement(const CGraphElement* element) { return DetachElement(element) ? 1 : 0; }

int CHMIFrame::CountTrends() const {
    return static_cast<int>(std::count_if(m_elements.begin(), m_elements.end(),
                                          [](const auto& e) { return e->GetKind() == 6; }));
}

namespace {

// Splits the list into (selected, others), both in list order.
std::pair<ElementList, ElementList> Partition(ElementList& elements,
                                              const std::vector<const CGraphElement*>& selection) {
    ElementList selected;
    ElementList others;
    for (auto& element : elements) {
        const bool chosen = std::find(selection.begin(), selection.end(), element.get()) != selection.end();
        (chosen ? selected : others).push_back(std::move(element));
    }
    elements.clear();
    return {std::move(selected), std::move(others)};
}

} // namespace

int CHMIFrame::BringToFront(const std::vector<const CGraphElement*>& selection) {
    auto [selected, others] = Partition(m_elements, selection);
    const int moved = static_cast<int>(selected.size());
    m_elements = std::move(others);
    for (auto& e : selected) {
        m_elements.push_back(std::move(e));
    }
    return moved;
}

int CHMIFrame::SendToBack(const std::vector<const CGraphElement*>& selection) {
    auto [selected, others] = Partition(m_elements, selection);
    const int moved = static_cast<int>(selected.size());
    m_elements = std::move(selected);
    for (auto& e : others) {
        m_elements.push_back(std::move(e));
    }
    return moved;
}

std::unique_ptr<CHMIFrame> CHMIFrame::Clone() const {
    auto copy = std::make_unique<CHMIFrame>();
    copy->CopyFrom(*this);
    return copy;
}

void CHMIFrame::CopyFrom(const CHMIFrame& other) {
    if (&other == this) {
        return;
    }
    m_number = other.m_number;
    m_name = other.m_name;
    m_description = other.m_description;
    m_upKey = other.m_upKey;
    m_downKey = other.m_downKey;
    for (const auto& element : other.m_elements) {
        AddElement(element->Clone());
    }
}

void CHMIFrame::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.String(m_name);
    ar.String(m_description);
    ar.Value(m_number);
    ar.Value(m_downKey);
    ar.Value(m_upKey);
    ar.ObjectList(m_elements);
}

void CHMIFrame::XmlSave(CXmlNodeWrapper& parent) const {
    CXmlNodeWrapper frame = parent.InsertNode(parent.NumNodes(), "Frame");
    frame.SetValue("ID", static_cast<int32_t>(m_number));
    frame.SetValue("Name", m_name);
    frame.SetValue("Desc", m_description);
    frame.SetValue("Prev", static_cast<int32_t>(m_upKey));
    frame.SetValue("Next", static_cast<int32_t>(m_downKey));
    CXmlNodeWrapper parts = frame.InsertNode(0, "Parts");
    for (const auto& element : m_elements) {
        element->XmlSave(parts);
    }
}

bool CHMIFrame::XmlLoad(const CXmlNodeWrapper& frame, MessageSink& sink, const XmlElementFactory& factory) {
    m_number = static_cast<uint16_t>(IntAttribute(frame, "ID"));
    m_name = frame.GetValue("Name");
    m_description = frame.GetValue("Desc");
    const int32_t prev = IntAttribute(frame, "Prev");
    m_upKey = prev == 0 ? 1 : static_cast<uint16_t>(prev);
    m_downKey = static_cast<uint16_t>(IntAttribute(frame, "Next"));
    const CXmlNodeWrapper parts = frame.FindNode("Parts");
    if (!parts) {
        return false;
    }
    for (int i = 0; i < parts.NumNodes(); ++i) {
        const CXmlNodeWrapper part = parts.GetNode(i);
        if (part.Name().empty()) {
            continue;
        }
        std::unique_ptr<CGraphElement> element = factory ? factory(part.GetValue("Type")) : nullptr;
        if (!element) {
            continue;
        }
        element->XmlLoad(part, sink);
        AddElement(std::move(element));
    }
    return true;
}

void CHMIFrame::Compile(CompileContext& context) const {
    Image& image = context.image;
    const auto count = static_cast<uint32_t>(m_elements.size());
    AppendBytes(image, 4, 4);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, static_cast<uint32_t>(context.panelWidth - 1), 1);
    AppendBytes(image, static_cast<uint32_t>(context.panelHeight - 1), 1);
    AppendBytes(image, m_number, 2);
    AppendBytes(image, 0, 2);
    AppendBytes(image, m_upKey, 2);
    AppendBytes(image, m_downKey, 2);
    AppendBytes(image, 0, 2);
    AppendBytes(image, count, 2);
    const size_t offsetTable = image.size();
    AppendRepeated(image, 0, 4, count);
    for (const auto& element : m_elements) {
        AppendBytes(image, static_cast<uint32_t>(element->GetKind()), 2);
    }
    // Selection order: list positions of the elements taking part, by order
    // value; equal values keep list order.
    std::vector<std::pair<int32_t, uint16_t>> order;
    for (size_t i = 0; i < m_elements.size(); ++i) {
        const int32_t value = m_elements[i]->GetOrder();
        if (value != 0xFFFF) {
            order.emplace_back(value, static_cast<uint16_t>(i));
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : order) {
        AppendBytes(image, entry.second, 2);
    }
    AppendBytes(image, 0xFFFF, 2);
    for (size_t i = 0; i < m_elements.size(); ++i) {
        PadTo4(image);
        WriteAt(image, offsetTable + 4 * i, static_cast<uint32_t>(image.size()), 4);
        const CGraphElement& element = *m_elements[i];
        context.place = FindingPlace::OfElement(m_number, element.GetKind(), element.GetID());
        element.Compile(context);
    }
    context.place = FindingPlace::OfScreen(m_number);
}

void CHMIFrame::ResetAddresses() {
    for (auto& element : m_elements) {
        element->ResetAddress();
    }
}

void CHMIFrame::SwapPorts(int32_t a, int32_t b) {
    for (auto& element : m_elements) {
        element->SwapPorts(a, b);
    }
}

} // namespace balsar
