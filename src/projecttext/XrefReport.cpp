#include "projecttext/XrefReport.h"

#include <sstream>

#include "projecttext/AddressXref.h"
#include "projecttext/JsonIo.h"

namespace balsar {

namespace {

// "screen 2 REG0 address", "event 1 \"温度过高\"", "data transfer 2 source",
// "settings screen select".
std::string Place(const AddressUse& use) {
    switch (use.place) {
    case AddressUse::Place::Element:
        return "screen " + std::to_string(use.screen) + " " + use.element + " " + use.field;
    case AddressUse::Place::Event:
        return "event " + std::to_string(use.item) + " " + Json(use.message).dump(-1, ' ', false,
                                                                                Json::error_handler_t::replace);
    case AddressUse::Place::DataTransfer:
        return "data transfer " + std::to_string(use.item) + " " + use.field;
    case AddressUse::Place::Settings:
        return "settings " + use.field;
    }
    return {};
}

std::string UseLine(const AddressUse& use) {
    std::string line = Place(use) + " (" + AccessName(use.access);
    if (use.values > 1) {
        line += ", " + std::to_string(use.values) + " values";
    }
    return line + ")";
}

std::string ConflictTitle(const XrefConflict& conflict) {
    switch (conflict.kind) {
    case ConflictKind::WrittenByKeys:
        return "written by " + std::to_string(conflict.uses.size()) + " function keys";
    case ConflictKind::BitAsWord:
        return "bit used as a word";
    default:
        return "overlapping word ranges of different widths";
    }
}

const char* PlaceName(AddressUse::Place place) {
    switch (place) {
    case AddressUse::Place::Event:
        return "event";
    case AddressUse::Place::DataTransfer:
        return "data-transfer";
    case AddressUse::Place::Settings:
        return "settings";
    default:
        return "element";
    }
}

Json UseJson(const AddressUse& use) {
    Json out = Json::object();
    out["place"] = PlaceName(use.place);
    if (use.place == AddressUse::Place::Element) {
        out["screen"] = use.screen;
        out["element"] = use.element;
        out["id"] = use.elementId;
        out["class"] = use.elementClass;
    } else if (use.place != AddressUse::Place::Settings) {
        out["item"] = use.item;
    }
    if (use.place == AddressUse::Place::Event) {
        out["message"] = use.message;
    }
    out["field"] = use.field;
    out["access"] = AccessName(use.access);
    out["values"] = use.values;
    return out;
}

Json OrNull(int32_t value) { return value < 0 ? Json(nullptr) : Json(value); }

} // namespace

std::string XrefText(const AddressXref& xref) {
    std::ostringstream out;
    for (const XrefEntry& entry : xref.entries) {
        out << entry.label << '\n';
        for (const size_t use : entry.uses) {
            out << "  " << UseLine(xref.uses[use]) << '\n';
        }
    }
    if (!xref.conflicts.empty()) {
        out << "\nconflicts:\n";
        for (const XrefConflict& conflict : xref.conflicts) {
            out << "  " << ConflictTitle(conflict) << ":";
            for (size_t i = 0; i < conflict.entries.size(); ++i) {
                out << (i == 0 ? " " : ", ") << xref.entries[conflict.entries[i]].label;
            }
            out << '\n';
            for (const size_t use : conflict.uses) {
                out << "    " << xref.entries[xref.entryOfUse[use]].label << ": " << UseLine(xref.uses[use]) << '\n';
            }
        }
    }
    out << '\n'
        << xref.entries.size() << " addresses, " << xref.uses.size() << " uses, " << xref.conflicts.size()
        << " conflicts\n";
    return out.str();
}

std::string XrefJson(const AddressXref& xref) {
    Json addresses = Json::array();
    for (const XrefEntry& entry : xref.entries) {
        Json out = Json::object();
        out["label"] = entry.label;
        out["port"] = entry.key.port;
        out["portName"] = entry.portName;
        out["station"] = entry.key.station;
        out["regType"] = entry.key.regType;
        out["index"] = OrNull(entry.key.index);
        out["address"] = entry.key.address;
        out["sub"] = OrNull(entry.key.sub);
        out["width"] = WidthName(entry.key.width);
        out["valueText"] = entry.valueText;
        Json uses = Json::array();
        for (const size_t use : entry.uses) {
            uses.push_back(UseJson(xref.uses[use]));
        }
        out["uses"] = std::move(uses);
        addresses.push_back(std::move(out));
    }
    Json conflicts = Json::array();
    for (const XrefConflict& conflict : xref.conflicts) {
        Json out = Json::object();
        out["kind"] = ConflictName(conflict.kind);
        Json labels = Json::array();
        for (const size_t entry : conflict.entries) {
            labels.push_back(xref.entries[entry].label);
        }
        out["addresses"] = std::move(labels);
        Json uses = Json::array();
        for (const size_t use : conflict.uses) {
            Json described = UseJson(xref.uses[use]);
            described["address"] = xref.entries[xref.entryOfUse[use]].label;
            uses.push_back(std::move(described));
        }
        out["uses"] = std::move(uses);
        conflicts.push_back(std::move(out));
    }
    Json document = Json::object();
    document["addresses"] = std::move(addresses);
    document["conflicts"] = std::move(conflicts);
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace balsar
