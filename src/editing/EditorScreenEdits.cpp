#include "editing/EditorScreenEdits.h"

#include <algorithm>

#include "editing/ElementArchiveBytes.h"

namespace balsar::editor {

void InsertElementAt(CHMIFrame& screen, int index, std::unique_ptr<CGraphElement> element) {
    CGraphElement* raw = element.get();
    const uint16_t id = raw->GetID();
    const std::string name = raw->GetName();
    std::vector<const CGraphElement*> after;
    const ElementList& elements = screen.GetElements();
    for (size_t i = static_cast<size_t>(std::max(index, 0)); i < elements.size(); ++i) {
        after.push_back(elements[i].get());
    }
    if (screen.AddElement(std::move(element)) == 0) {
        return;
    }
    raw->SetID(id);
    raw->SetName(name);
    if (!after.empty()) {
        screen.BringToFront(after);
    }
}

std::vector<std::pair<int, std::unique_ptr<CGraphElement>>> DetachElementsAt(CHMIFrame& screen,
                                                                             std::vector<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::vector<const CGraphElement*> targets;
    for (const int index : indexes) {
        if (index >= 0 && static_cast<size_t>(index) < screen.GetElements().size()) {
            targets.push_back(screen.GetElements()[static_cast<size_t>(index)].get());
        }
    }
    std::vector<std::pair<int, std::unique_ptr<CGraphElement>>> detached;
    for (size_t i = 0; i < targets.size(); ++i) {
        detached.emplace_back(indexes[i], screen.DetachElement(targets[i]));
    }
    return detached;
}

void ReinsertElements(CHMIFrame& screen, std::vector<std::pair<int, std::unique_ptr<CGraphElement>>>& detached) {
    for (auto& [index, element] : detached) {
        InsertElementAt(screen, index, std::move(element));
    }
    detached.clear();
}

void RestoreOrder(CHMIFrame& screen, const std::vector<const CGraphElement*>& order) {
    for (const CGraphElement* element : order) {
        screen.BringToFront({element});
    }
}

std::vector<const CGraphElement*> ElementOrder(const CHMIFrame& screen) {
    std::vector<const CGraphElement*> order;
    for (const auto& element : screen.GetElements()) {
        order.push_back(element.get());
    }
    return order;
}

std::vector<uint8_t> StoreScreen(const CHMIFrame& screen, CSingleColorBitmapLib* library) {
    return WriteElementBytes(library, true, [&](Archive& ar) { ar.WriteObject(&screen); });
}

std::unique_ptr<CHMIFrame> LoadScreen(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                                      CSingleColorBitmapLib* library) {
    return ReadElementBytes<std::unique_ptr<CHMIFrame>>(
        bytes, registry, library, true, [](Archive& ar) { return ar.ReadObjectAs<CHMIFrame>(); });
}

} // namespace balsar::editor
