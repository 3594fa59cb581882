#include "editing/EditorSelection.h"

#include <algorithm>

#include "editing/EditorGeometry.h"

namespace balsar::editor {

bool EditorSelection::Contains(const CGraphElement* element) const {
    return std::find(m_items.begin(), m_items.end(), element) != m_items.end();
}

void EditorSelection::MakeLast(CGraphElement* element) {
    Remove(element);
    m_items.push_back(element);
}

void EditorSelection::Remove(const CGraphElement* element) {
    m_items.erase(std::remove(m_items.begin(), m_items.end(), element), m_items.end());
}

bool EditorSelection::Press(CGraphElement* element, bool ctrl) {
    if (element == nullptr) {
        if (!ctrl) {
            Clear();
        }
        return true;
    }
    if (ctrl) {
        if (Contains(element)) {
            Remove(element);
        } else {
            m_items.push_back(element);
        }
        return false;
    }
    if (!Contains(element)) {
        Clear();
    }
    MakeLast(element);
    return false;
}

CGraphElement* EditorSelection::AddInside(const ElementList& elements, const PanelRect& band) {
    CGraphElement* last = nullptr;
    for (const auto& element : elements) {
        if (!Contains(element.get()) && WhollyInside(element->Rect(), band)) {
            m_items.push_back(element.get());
            last = element.get();
        }
    }
    return last;
}

void EditorSelection::SelectAll(const ElementList& elements) {
    m_items.clear();
    for (const auto& element : elements) {
        m_items.push_back(element.get());
    }
}

void EditorSelection::Prune(const ElementList& elements) {
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                                 [&](const CGraphElement* e) { return IndexOf(elements, e) < 0; }),
                  m_items.end());
}

std::vector<PanelRect> EditorSelection::Rects() const {
    std::vector<PanelRect> rects;
    rects.reserve(m_items.size());
    for (const CGraphElement* element : m_items) {
        rects.push_back(element->Rect());
    }
    return rects;
}

std::vector<int> EditorSelection::IndexesIn(const ElementList& elements) const {
    std::vector<int> indexes;
    for (const CGraphElement* element : m_items) {
        const int index = IndexOf(elements, element);
        if (index >= 0) {
            indexes.push_back(index);
        }
    }
    return indexes;
}

CGraphElement* ElementAt(const ElementList& elements, int x, int y) {
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if ((*it)->HitTest(x, y)) {
            return it->get();
        }
    }
    return nullptr;
}

int IndexOf(const ElementList& elements, const CGraphElement* element) {
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].get() == element) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace balsar::editor
