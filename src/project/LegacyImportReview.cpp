#include "project/LegacyImportReview.h"

#include "elements/CBarGE.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementKinds.h"
#include "project/CMirloProject.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace {

std::string AddressText(const CXmlNodeWrapper& reg) {
    return "\"" + reg.GetValue("Type") + "\" " + reg.GetValue("Addr") + "." + reg.GetValue("Sub") + " station " +
           reg.GetValue("Station");
}

// The address of the element the import made from the part; null when
// there is none.
CAddr* AddressOf(const CHMIFrame* screen, const std::string& name, int32_t kind) {
    if (screen == nullptr) {
        return nullptr;
    }
    for (const auto& element : screen->GetElements()) {
        if (element->GetName() != name || element->GetKind() != kind) {
            continue;
        }
        if (auto* reg = dynamic_cast<CRegisterGE*>(element.get())) {
            return &reg->Address();
        }
        if (auto* bar = dynamic_cast<CBarGE*>(element.get())) {
            return &bar->Address();
        }
    }
    return nullptr;
}

// An address of the panel's own word types becomes the LOCAL address of
// the same type; true when taken over.
bool TakeOverLocalAddress(const CXmlNodeWrapper& reg, CAddr* address) {
    const std::string type = reg.GetValue("Type");
    const int32_t value = IntAttribute(reg, "Addr");
    const int32_t count = IntAttribute(reg, "Num");
    const int32_t limit = type == "LW" ? 255 : type == "RW" ? 511 : -1;
    if (address == nullptr || value < 0 || value > limit) {
        return false;
    }
    address->Reset(WIDTH_WORD, PORT_LOCAL);
    address->regType = type;
    address->address = value;
    address->wordCount = count == 2 ? 2 : 1;
    return true;
}

void ReviewPart(const CXmlNodeWrapper& part, int screen, const std::filesystem::path& folder,
                const CHMIFrame* made, std::vector<LegacyShortfall>& found) {
    const std::string type = part.GetValue("Type");
    std::string name = part.GetValue("Name");
    if (name.empty()) {
        name = type + " " + part.GetValue("ID");
    }
    const auto add = [&](const std::string& message) { found.push_back({screen, name, message}); };
    const auto kind = KindFromXmlTypeName(type);
    if (!kind) {
        add("type \"" + type + "\" is not known here; the element is left out");
        return;
    }
    if (!part.FindNode("Position")) {
        add("no \"Position\"; the element is placed at 0,0 with no size");
    }
    switch (*kind) {
    case KIND_STATIC_TEXT:
        add("the old form carries no text; the text is empty");
        break;
    case KIND_DYNAMIC_TEXT:
        add("the old form carries no states and no address; the state table is empty and the address LW.B 0.0");
        break;
    case KIND_LED:
    case KIND_FUNCKEY:
        add("the old form carries no address or action; the element keeps its defaults");
        break;
    case KIND_REGISTER:
    case KIND_BAR:
        if (const CXmlNodeWrapper reg = part.FindNode("Reg")) {
            if (TakeOverLocalAddress(reg, AddressOf(made, part.GetValue("Name"), *kind))) {
                break;
            }
            add("address " + AddressText(reg) + " not taken over; the element reads LW 0");
        } else {
            add("no \"Reg\" child; the element is incomplete and reads LW 0");
        }
        break;
    case KIND_PICTURE: {
        const CXmlNodeWrapper url = part.FindNode("URL");
        const std::string file = url ? url.GetText() : std::string();
        std::error_code error;
        if (file.empty() || !std::filesystem::is_regular_file(folder / "image" / file, error)) {
            add("picture \"image/" + file + "\" not found beside the file; the picture is blank");
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

std::vector<LegacyShortfall> ReviewLegacyXml(const std::filesystem::path& xmlFile, CMirloProject* project) {
    std::vector<LegacyShortfall> found;
    CXmlDocumentWrapper document;
    if (!document.Load(xmlFile)) {
        return found;
    }
    const CXmlNodeWrapper root = document.RootElement();
    const CXmlNodeWrapper frames = root.FindNode("Frames");
    if (!frames) {
        return found;
    }
    const std::filesystem::path folder = xmlFile.parent_path();
    for (int i = 0; i < frames.NumNodes(); ++i) {
        const CXmlNodeWrapper frame = frames.GetNode(i);
        if (frame.Name() != "Frame") {
            continue;
        }
        const int screen = IntAttribute(frame, "ID");
        const CHMIFrame* made = project ? project->FindScreen(static_cast<uint16_t>(screen)) : nullptr;
        const CXmlNodeWrapper parts = frame.FindNode("Parts");
        if (!parts) {
            found.push_back({screen, {}, "no \"Parts\"; the screen is left out"});
            continue;
        }
        for (int p = 0; p < parts.NumNodes(); ++p) {
            const CXmlNodeWrapper part = parts.GetNode(p);
            if (!part.Name().empty()) {
                ReviewPart(part, screen, folder, made, found);
            }
        }
    }
    // The older alarm list is read but has no place in a project: its start
    // coil is an older address and its messages no condition.
    const int messages = root.FindNode("AlarmList").FindNode("Items").FindNodes("Item").Count();
    if (messages > 0) {
        found.push_back({0, "AlarmList", std::to_string(messages) +
                                             " alarm messages not taken over; the event list is empty"});
    }
    return found;
}

std::string ShortfallText(const LegacyShortfall& shortfall) {
    std::string text = shortfall.screen == 0 ? std::string() : "screen " + std::to_string(shortfall.screen);
    if (!shortfall.element.empty()) {
        text += (text.empty() ? "" : ", ") + shortfall.element;
    }
    return text + ": " + shortfall.message;
}

} // namespace balsar
