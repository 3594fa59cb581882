#include "editor/KeyLampInsert.h"

#include "editor/EditorStrings.h"
#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "hardware/HardwareModel.h"
#include "project/CMirloProject.h"

namespace balsar::editor {

void SetUpInsertedKeyLampText(CGraphElement& element, const std::vector<HardwareKey>& keys, FontEngine* fonts,
                              const CMirloProject* project) {
    if (auto* key = dynamic_cast<CFunckeyGE*>(&element)) {
        // A model without keys leaves the key without code: it shows as an
        // outline until the user picks a key.
        key->TakeFirstKey(keys);
        key->RecalcSize();
    } else if (auto* lamp = dynamic_cast<CLedGE*>(&element)) {
        lamp->SetSizeIndex(lamp->GetSizeIndex());
    } else if (auto* text = dynamic_cast<CDynamicText*>(&element)) {
        // The state first: the size follows the text, and without a fitted
        // face the placed size stays.
        CTextItem* first = text->Row(1);
        first->SetValue("0");
        first->SetText(texts::kDynamicTextDefault);
        if (project != nullptr) {
            text->SetFont(project->languages.GetFontName(0), fonts);
        }
        text->RecalcSize(fonts);
    }
}

} // namespace balsar::editor
