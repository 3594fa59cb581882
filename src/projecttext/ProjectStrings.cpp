#include "projecttext/ProjectStrings.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>

#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CStaticText.h"
#include "elements/Languages.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"
#include "project/CMirloProject.h"

namespace balsar {

namespace {

// A place the project holds, with what writes a text into it.
struct Slot {
    ProjectText text;
    CStaticText* staticText = nullptr;
    CDynamicText* dynamicText = nullptr;
    EventItem* event = nullptr;
};

std::string ElementKey(const CHMIFrame& screen, const CGraphElement& element, int duplicate) {
    std::string key = "screen" + std::to_string(screen.GetNumber()) + "/" + element.GetName();
    return duplicate == 0 ? key : key + "#" + std::to_string(duplicate + 1);
}

int BoxHeight(const CGraphElement& element, int pixelSize) {
    const PanelRect rect = element.Rect();
    const int height = rect.bottom - rect.top;
    return height > 0 ? height : pixelSize * (element.GetDoubleSize() ? 2 : 1);
}

// Every place of the project, texts filled for the given language. The
// project is walked through const_cast-free pointers when it is mutable.
std::vector<Slot> Slots(CMirloProject& project, int language, int panelWidth) {
    std::vector<Slot> slots;
    const auto add = [&](Slot slot, const std::string& stored, int storedLanguage) {
        slot.text.source = stored;
        slot.text.sourceLanguage = storedLanguage;
        slot.text.current = storedLanguage == language ? stored : std::string();
        slots.push_back(std::move(slot));
    };
    int eventWidth = panelWidth;
    for (const auto& screen : project.Screens()) {
        std::map<std::string, int> seen;
        for (const auto& element : screen->GetElements()) {
            auto* staticText = dynamic_cast<CStaticText*>(element.get());
            auto* dynamicText = dynamic_cast<CDynamicText*>(element.get());
            if (const auto* list = dynamic_cast<const CEventListGE*>(element.get())) {
                const PanelRect rect = list->Rect();
                eventWidth = std::min(eventWidth, rect.right - rect.left);
            }
            if (staticText == nullptr && dynamicText == nullptr) {
                continue;
            }
            const std::string key = ElementKey(*screen, *element, seen[element->GetName()]++);
            Slot slot;
            TextPlace& place = slot.text.place;
            place.screen = screen->GetNumber();
            place.element = element->GetName();
            const int sizeIndex = staticText ? staticText->GetSizeIndex() : dynamicText->GetSizeIndex();
            slot.text.pixelSize = PixelSizeOfIndex(sizeIndex);
            slot.text.dotMatrix = staticText ? staticText->UsesDotMatrix() : dynamicText->UsesDotMatrix();
            slot.text.boxWidth = std::max(0, panelWidth - element->Rect().left);
            slot.text.boxHeight = BoxHeight(*element, slot.text.pixelSize);
            slot.text.face = staticText ? staticText->GetFont() : dynamicText->GetFont();
            slot.text.sizeIndex = sizeIndex;
            slot.text.dotMatrixFlag = staticText ? staticText->GetDotMatrix() : dynamicText->GetDotMatrix();
            slot.text.doubleSize = element->GetDoubleSize() != 0;
            if (staticText != nullptr) {
                place.id = key;
                place.kind = TextKind::StaticText;
                slot.staticText = staticText;
                add(slot, staticText->GetText(), staticText->GetLanguage());
                continue;
            }
            for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
                const CTextItem* item = dynamicText->Row(row);
                if (!item->IsUsed()) {
                    continue;
                }
                Slot state = slot;
                state.text.place.id = key + "/state" + std::to_string(row);
                state.text.place.kind = TextKind::DynamicState;
                state.text.place.state = row;
                state.dynamicText = dynamicText;
                add(state, item->GetText(), dynamicText->GetLanguage());
            }
        }
    }
    EventList& events = project.eventList;
    for (size_t i = 0; i < events.items.size(); ++i) {
        Slot slot;
        TextPlace& place = slot.text.place;
        place.id = "event" + std::to_string(i + 1);
        place.kind = TextKind::EventMessage;
        place.item = static_cast<int>(i + 1);
        slot.text.pixelSize = events.PixelSize();
        slot.text.dotMatrix = UsesDotMatrix(events.fontSizeIndex, 0);
        slot.text.boxWidth = std::max(0, eventWidth);
        slot.text.boxHeight = slot.text.pixelSize;
        slot.text.face = events.font;
        slot.text.sizeIndex = events.fontSizeIndex;
        slot.event = &events.items[i];
        add(slot, events.items[i].message, events.language);
    }
    return slots;
}

std::optional<long> ParseNumber(const std::string& text) {
    int base = 10;
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return std::nullopt;
    }
    return value;
}

// The font a place takes with the new language: the new language's default
// when the place used its old language's default, else its own.
std::string FontFor(const CLangDefine& languages, const std::string& font, int oldLanguage, int newLanguage) {
    return font == languages.GetFontName(oldLanguage) ? languages.GetFontName(newLanguage) : font;
}

} // namespace

const char* TextKindName(TextKind kind) {
    switch (kind) {
    case TextKind::StaticText:
        return "static";
    case TextKind::DynamicState:
        return "state";
    case TextKind::EventMessage:
        return "event";
    }
    return "static";
}

bool ResolveTextLanguage(const CLangDefine& languages, const std::string& argument, int& index,
                         std::string& error) {
    const std::optional<long> value = ParseNumber(argument);
    if (!value) {
        error = "language \"" + argument + "\" is neither an index of the language table nor a language identifier";
        return false;
    }
    if (*value >= 0 && *value < languages.Count()) {
        index = static_cast<int>(*value);
        return true;
    }
    for (int i = 0; i < languages.Count(); ++i) {
        if (languages.GetLangID(i) == *value) {
            index = i;
            return true;
        }
    }
    error = "language " + argument + " is not in the project's language table (" +
            std::to_string(languages.Count()) + " languages: index 0.." + std::to_string(languages.Count() - 1) + ")";
    return false;
}

ProjectTexts CollectProjectTexts(const CMirloProject& project, int language, int panelWidth) {
    ProjectTexts result;
    result.language = language;
    result.languageId = project.languages.GetLangID(language);
    result.languageTag = LanguageTagOfId(result.languageId);
    result.sourceLanguageId = project.languages.GetLangID(0);
    result.sourceLanguageTag = LanguageTagOfId(result.sourceLanguageId);
    // Slots only reads through its pointers here.
    for (Slot& slot : Slots(const_cast<CMirloProject&>(project), language, panelWidth)) {
        result.texts.push_back(std::move(slot.text));
    }
    return result;
}

bool ApplyTranslations(CMirloProject& project, int language, const std::vector<Translation>& translations,
                       FontEngine* fonts, TranslationResult& result, std::string& error) {
    if (language < 0 || language >= project.languages.Count()) {
        error = "language index " + std::to_string(language) + " is not in the project's language table";
        return false;
    }
    std::vector<Slot> slots = Slots(project, language, std::numeric_limits<int>::max() / 2);
    std::map<std::string, Slot*> byId;
    for (Slot& slot : slots) {
        byId.emplace(slot.text.place.id, &slot);
    }
    // Everything is checked before anything changes.
    std::map<std::string, const Translation*> chosen;
    std::vector<std::pair<Slot*, const Translation*>> work;
    for (const Translation& entry : translations) {
        const auto found = byId.find(entry.id);
        if (found == byId.end()) {
            error = entry.where + ": unknown id \"" + entry.id + "\" (no such text in the project)";
            return false;
        }
        const auto [previous, added] = chosen.emplace(entry.id, &entry);
        if (!added) {
            if (previous->second->target != entry.target) {
                error = entry.where + ": id \"" + entry.id + "\" given twice with different texts (first at " +
                        previous->second->where + ")";
                return false;
            }
            continue;
        }
        if (!entry.target.empty()) {
            work.emplace_back(found->second, &entry);
        }
    }
    TranslationResult done;
    bool eventsChanged = false;
    for (const auto& [slot, entry] : work) {
        const ProjectText& text = slot->text;
        if (!entry->source.empty() && entry->source != text.source) {
            done.warnings.push_back(entry->where + ": \"" + entry->id + "\": the project's text changed since the export (now \"" +
                                    text.source + "\")");
        }
        if (text.sourceLanguage == language && text.source == entry->target) {
            continue;
        }
        if (slot->staticText != nullptr) {
            CStaticText& element = *slot->staticText;
            element.SetFont(FontFor(project.languages, element.GetFont(), element.GetLanguage(), language), nullptr);
            element.SetLanguage(language, nullptr);
            element.SetText(entry->target, fonts);
        } else if (slot->dynamicText != nullptr) {
            CDynamicText& element = *slot->dynamicText;
            element.SetFont(FontFor(project.languages, element.GetFont(), element.GetLanguage(), language), nullptr);
            element.SetLanguage(language, nullptr);
            element.Row(text.place.state)->SetText(entry->target);
            element.BuildStateMap();
            element.RecalcSize(fonts);
        } else {
            slot->event->message = entry->target;
            eventsChanged = true;
        }
        done.changed.push_back(text.place);
    }
    if (eventsChanged && project.eventList.language != language) {
        EventList& events = project.eventList;
        events.font = FontFor(project.languages, events.font, events.language, language);
        events.language = language;
    }
    result = std::move(done);
    return true;
}

} // namespace balsar
