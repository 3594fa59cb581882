#pragma once
// What a new element gets, by kind, when the insert tool places it: an event
// list covers the screen and draws with the project's event list font, a
// trend keeps a point count its width can show, a picture refers to the
// project's bitmap library.
namespace balsar {
class CGraphElement;
class CMirloProject;
} // namespace balsar

namespace balsar::editor {

void SetUpInsertedElement(CGraphElement& element, const CMirloProject* project, int screenWidth,
                          int screenHeight);

} // namespace balsar::editor
