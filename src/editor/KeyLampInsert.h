#pragma once
// What a newly placed function key, indicator lamp or dynamic text gets
// before it joins the screen: the key takes the panel model's first key, the
// dynamic text its first state and the size of that text.
namespace balsar {
class CGraphElement;
class CMirloProject;
struct DesignerContext;
} // namespace balsar

namespace balsar::editor {

// Does nothing for the other kinds.
void SetUpInsertedKeyLampText(CGraphElement& element, const DesignerContext& context, const CMirloProject* project);

} // namespace balsar::editor
