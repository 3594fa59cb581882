#pragma once
// Screen edits the editor's undo steps are built from. Each restores a
// screen exactly: element positions in the list, IDs and names, so undoing
// a step gives back the same project file bytes.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "project/CHMIFrame.h"

namespace balsar {

class ClassRegistry;
class CSingleColorBitmapLib;

namespace editor {

// Puts an element back at a position of the list, keeping the ID and name
// it carries (AddElement would number it afresh).
void InsertElementAt(CHMIFrame& screen, int index, std::unique_ptr<CGraphElement> element);
// Takes the elements at the given positions off the screen, in ascending
// position order; the result pairs each position with its element.
std::vector<std::pair<int, std::unique_ptr<CGraphElement>>> DetachElementsAt(CHMIFrame& screen,
                                                                             std::vector<int> indexes);
// Puts detached elements back (positions ascending).
void ReinsertElements(CHMIFrame& screen, std::vector<std::pair<int, std::unique_ptr<CGraphElement>>>& detached);
// Rearranges the screen's list into the given order (a permutation of its
// elements).
void RestoreOrder(CHMIFrame& screen, const std::vector<const CGraphElement*>& order);
// The current list order.
std::vector<const CGraphElement*> ElementOrder(const CHMIFrame& screen);

// A screen as a stand-alone archived object, as the project file holds it.
std::vector<uint8_t> StoreScreen(const CHMIFrame& screen, CSingleColorBitmapLib* library);
// Null when the bytes do not hold a screen.
std::unique_ptr<CHMIFrame> LoadScreen(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                                      CSingleColorBitmapLib* library);

} // namespace editor
} // namespace balsar
