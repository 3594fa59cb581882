#include "dialogs/FontChoices.h"

#include "dialogs/QtText.h"
#include "elements/FontEngine.h"
#include "elements/Languages.h"

namespace balsar::dialogs {

void FillFonts(QComboBox* box, FontEngine* fonts, uint16_t languageId, const std::string& face) {
    const QSignalBlocker block(box);
    box->clear();
    std::vector<std::string> families;
    if (fonts != nullptr) {
        families = fonts->FontFamilies(CharsetOfLanguage(languageId));
    }
    if (families.empty()) {
        if (!face.empty()) {
            box->addItem(Q(face));
        }
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
        return;
    }
    for (const std::string& family : families) {
        box->addItem(Q(family));
    }
    box->setCurrentIndex(box->findText(Q(SelectFontByName(families, face, fonts))));
}

} // namespace balsar::dialogs
