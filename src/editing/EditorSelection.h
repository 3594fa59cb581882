#pragma once
// The editor's selection: an ordered list of elements of the current
// screen, in the order they were selected. The last entry is the reference
// element that alignment follows.
#include <vector>

#include "elements/PanelCanvas.h"
#include "project/CHMIFrame.h"

namespace balsar::editor {

class EditorSelection {
public:
    const std::vector<CGraphElement*>& Items() const { return m_items; }
    bool Empty() const { return m_items.empty(); }
    int Size() const { return static_cast<int>(m_items.size()); }
    bool Contains(const CGraphElement* element) const;
    // The last selected element; null when the selection is empty.
    CGraphElement* Reference() const { return m_items.empty() ? nullptr : m_items.back(); }

    void Clear() { m_items.clear(); }
    void Set(std::vector<CGraphElement*> items) { m_items = std::move(items); }
    // Makes the element the last entry (moving it there when selected).
    void MakeLast(CGraphElement* element);
    void Remove(const CGraphElement* element);

    // A mouse press of the selection tool on an element (null: empty canvas).
    // Returns true when the press starts a rubber band.
    bool Press(CGraphElement* element, bool ctrl);
    // Adds, in screen order, every element wholly inside the band that is
    // not selected yet. Returns the last one added (null when none).
    CGraphElement* AddInside(const ElementList& elements, const PanelRect& band);
    // Every element of the screen, in screen order.
    void SelectAll(const ElementList& elements);
    // Drops entries that are no longer on the screen.
    void Prune(const ElementList& elements);

    std::vector<PanelRect> Rects() const;
    // Positions of the selected elements in the screen's list, in selection
    // order (elements not on the screen are left out).
    std::vector<int> IndexesIn(const ElementList& elements) const;

private:
    std::vector<CGraphElement*> m_items;
};

// The topmost element at a point (the last one in drawing order whose hit
// area holds it); null when none.
CGraphElement* ElementAt(const ElementList& elements, int x, int y);
// Position of an element in the list; -1 when absent.
int IndexOf(const ElementList& elements, const CGraphElement* element);

} // namespace balsar::editor
