#include "editor/InsertSetup.h"

#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"
#include "project/CMirloProject.h"

namespace balsar::editor {

void SetUpInsertedElement(CGraphElement& element, const CMirloProject* project, int screenWidth,
                          int screenHeight) {
    if (auto* list = dynamic_cast<CEventListGE*>(&element)) {
        list->CoverScreen(screenWidth, screenHeight);
        if (project != nullptr) {
            list->SetListFont(project->eventList.font, project->eventList.fontSizeIndex);
        }
    } else if (auto* trend = dynamic_cast<CTrendGE*>(&element)) {
        trend->pointCount = LimitPointCount(trend->pointCount, trend->GetWidth());
    } else if (auto* picture = dynamic_cast<CPictureGE*>(&element)) {
        if (project != nullptr) {
            picture->SetLibrary(&project->bitmapLibrary);
        }
    }
}

} // namespace balsar::editor
