#pragma once
// What a newly placed function key, indicator lamp or dynamic text gets
// before it joins the screen: the key takes the panel model's first key, the
// dynamic text its first state and the size of that text.
#include <vector>

namespace balsar {
class CGraphElement;
class CMirloProject;
class FontEngine;
struct HardwareKey;
} // namespace balsar

namespace balsar::editor {

// keys: the current panel model's keys (none without a model); fonts may be
// null. Does nothing for the other kinds.
void SetUpInsertedKeyLampText(CGraphElement& element, const std::vector<HardwareKey>& keys, FontEngine* fonts,
                              const CMirloProject* project);

} // namespace balsar::editor
