#include "projecttext/ProjectFields.h"

#include <set>
#include <string>

#include "elements/CSingleColorBitmapLib.h"
#include "project/CMirloProject.h"
#include "projecttext/AddressFields.h"
#include "projecttext/ElementFields.h"
#include "projecttext/JsonIo.h"

namespace balsar {

namespace {

constexpr size_t kComPortCount = 3;
// Bytes to a row of the hexadecimal form of a bitmap whose rows do not
// match its size.
constexpr size_t kLooseRowBytes = 32;

// A port that is not in use stores its flag only; so does its text.
void RefuseSettingsOfUnusedPort(const JsonIo& io) {
    for (const std::string& name : io.Unvisited()) {
        io.Fail(name, "stored only while the port is enabled");
    }
}

void ComPortFields(JsonIo& io, CPortCom& port) {
    io.Field("enabled", port.enabled);
    if (port.enabled == 0) {
        if (io.IsReading()) {
            RefuseSettingsOfUnusedPort(io);
        }
        return;
    }
    io.Field("port", port.port);
    io.Field("protocolId", port.protocolId);
    io.Field("serialType", port.serialType);
    io.Field("baud", port.baud);
    io.Field("dataBits", port.dataBits);
    io.Field("parity", port.parity);
    io.Field("stopBits", port.stopBits);
    io.Field("hasStation", port.hasStation);
    io.Field("station", port.station);
    io.Field("commTimeout", port.commTimeout);
    io.Field("protocolTimeout1", port.protocolTimeout1);
    io.Field("protocolTimeout2", port.protocolTimeout2);
    io.Field("maxWordsPerPacket", port.maxWordsPerPacket);
    io.Field("maxBitsPerPacket", port.maxBitsPerPacket);
    io.Field("wordGap", port.wordGap);
    io.Field("bitGap", port.bitGap);
    io.Field("commInterval", port.commInterval);
    io.Field("errorShowTime", port.errorShowTime);
    io.Field("retries", port.retries);
    io.Field("retryAfterLimit", port.retryAfterLimit);
}

void CanPortFields(JsonIo& io, CPortCan& port) {
    io.Field("enabled", port.enabled);
    if (port.enabled == 0) {
        if (io.IsReading()) {
            RefuseSettingsOfUnusedPort(io);
        }
        return;
    }
    io.Field("second", port.second);
    io.Field("protocolId", port.protocolId);
}

void PortsFields(JsonIo& io, CMirloProject& project) {
    const size_t count = io.Array("ports", kComPortCount, [&](JsonIo& entry, size_t i) {
        if (i >= kComPortCount) {
            entry.Fail("", "only COM0, COM1 and COM2 are listed here; the CAN port is \"canPort\"");
        }
        ComPortFields(entry, *project.GetPort(static_cast<int>(i)));
    });
    if (count != kComPortCount) {
        io.Fail("ports", "expected " + std::to_string(kComPortCount) + " ports (COM0, COM1, COM2), found " +
                             std::to_string(count));
    }
    io.Object("canPort", [&](JsonIo& fields) { CanPortFields(fields, project.GetCanPort()); });
}

void LanguageFields(JsonIo& io, CLangDefine& languages) {
    if (io.IsReading()) {
        languages.Clear();
    }
    const auto& items = languages.Items();
    io.Array("languages", items.size(), [&](JsonIo& entry, size_t i) {
        CLangDefineItem item = entry.IsWriting() ? *items[i] : CLangDefineItem();
        entry.Field("language", item.language);
        entry.Field("font", item.font);
        if (entry.IsReading()) {
            languages.Add(item.language, item.font);
        }
    });
}

void ScreenFields(JsonIo& io, CHMIFrame& screen) {
    io.Property("number", screen.GetNumber(), [&](uint16_t v) { screen.SetNumber(v); });
    io.Property("name", screen.GetName(), [&](const std::string& v) { screen.SetName(v); });
    io.Property("description", screen.GetDescription(), [&](const std::string& v) { screen.SetDescription(v); });
    io.Property("upKeyTarget", screen.GetUpKeyTarget(), [&](uint16_t v) { screen.SetUpKeyTarget(v); });
    io.Property("downKeyTarget", screen.GetDownKeyTarget(), [&](uint16_t v) { screen.SetDownKeyTarget(v); });
    const ElementList& elements = screen.GetElements();
    io.Array("elements", elements.size(), [&](JsonIo& entry, size_t i) {
        if (entry.IsWriting()) {
            ElementFields(entry, *elements[i]);
            return;
        }
        std::unique_ptr<CGraphElement> created = CreateElement(entry);
        CGraphElement& element = *created;
        screen.AddElement(std::move(created));
        ElementFields(entry, element);
    });
}

void ScreensFields(JsonIo& io, CMirloProject& project) {
    const auto& screens = project.Screens();
    std::set<uint16_t> numbers;
    io.Array("screens", screens.size(), [&](JsonIo& entry, size_t i) {
        if (entry.IsWriting()) {
            ScreenFields(entry, *screens[i]);
            return;
        }
        auto screen = std::make_unique<CHMIFrame>();
        ScreenFields(entry, *screen);
        if (!numbers.insert(screen->GetNumber()).second) {
            entry.Fail("number", "screen " + std::to_string(screen->GetNumber()) + " is listed twice");
        }
        project.AddScreen(std::move(screen));
    });
}

void SettingsFields(JsonIo& io, GlobalSettings& settings) {
    io.Field("optionFlags", settings.optionFlags);
    io.Field("initialScreen", settings.initialScreen);
    io.Field("screenSaverScreen", settings.screenSaverScreen);
    io.Field("screenSaverDelay", settings.screenSaverDelay);
    io.Field("wakePasswordLevel", settings.wakePasswordLevel);
    io.Field("reserved", settings.reserved);
    io.Values("passwords", settings.passwords);
    io.Field("passwordScreen", settings.passwordScreen);
    io.Field("plcControlFlags", settings.plcControlFlags);
    AddressObject(io, "controlAddress", settings.controlAddress);
}

void EventListFields(JsonIo& io, EventList& list) {
    io.Field("fontSizeIndex", list.fontSizeIndex);
    io.Field("language", list.language);
    io.Field("font", list.font);
    io.Field("alarmScreen", list.alarmScreen);
    io.Field("autoPopup", list.autoPopup);
    io.Array("items", list.items, [](JsonIo& entry, EventItem& item) {
        entry.Field("flags", item.flags);
        entry.Field("value", item.value);
        entry.Field("range", item.range);
        entry.Field("upperLimit", item.upperLimit);
        entry.Field("lowerLimit", item.lowerLimit);
        entry.Field("buzzerSeconds", item.buzzerSeconds);
        entry.Field("message", item.message);
        AddressObject(entry, "address", item.address);
    });
}

// Rows of ceil(width / 8) bytes when the data has exactly the rows its
// size needs; any other data as loose hexadecimal lines, so that nothing
// a file holds is lost.
bool HasExactRows(const CSingleColorBitmapLibItem& item) {
    if (item.width <= 0 || item.height <= 0) {
        return false;
    }
    const size_t stride = (static_cast<size_t>(item.width) + 7) / 8;
    return item.data.size() == stride * static_cast<size_t>(item.height);
}

void BitmapFields(JsonIo& io, CSingleColorBitmapLibItem& item) {
    io.Field("id", item.id);
    io.Field("useCount", item.useCount);
    io.Field("width", item.width);
    io.Field("height", item.height);
    const bool rows = io.IsWriting() ? HasExactRows(item) : io.Has("rows");
    if (io.IsReading() && rows && io.Has("data")) {
        io.Fail("data", "a bitmap has either \"rows\" or \"data\"");
    }
    if (rows) {
        if (item.width <= 0 || item.height <= 0) {
            io.Fail("rows", "rows need a width and a height of at least 1; use \"data\"");
        }
        const size_t stride = (static_cast<size_t>(item.width) + 7) / 8;
        io.HexRows("rows", item.data, stride, true, static_cast<size_t>(item.height));
    } else {
        io.HexRows("data", item.data, kLooseRowBytes, false, 0);
    }
}

void BitmapLibraryFields(JsonIo& io, CSingleColorBitmapLib& library) {
    if (io.IsReading()) {
        library.Clear();
    }
    const auto& items = library.Items();
    std::set<int32_t> ids;
    io.Array("bitmapLibrary", items.size(), [&](JsonIo& entry, size_t i) {
        if (entry.IsWriting()) {
            BitmapFields(entry, *items[i]);
            return;
        }
        auto item = std::make_unique<CSingleColorBitmapLibItem>();
        BitmapFields(entry, *item);
        if (!ids.insert(item->id).second) {
            entry.Fail("id", "bitmap " + std::to_string(item->id) + " is listed twice");
        }
        library.AppendItem(std::move(item));
    });
}

void DataTransferFields(JsonIo& io, DataTransferList& list) {
    io.Array("dataTransfers", list.items, [](JsonIo& entry, DataTransferItem& item) {
        entry.Field("timed", item.timed);
        entry.Field("triggerType", item.triggerType);
        entry.Field("period", item.period);
        entry.Field("validWindow", item.validWindow);
        entry.Field("executions", item.executions);
        entry.Field("count", item.count);
        AddressObject(entry, "triggerAddress", item.triggerAddress);
        AddressObject(entry, "sourceAddress", item.sourceAddress);
        AddressObject(entry, "destinationAddress", item.destinationAddress);
    });
}

} // namespace

void ProjectFields(JsonIo& io, CMirloProject& project) {
    io.Field("panelModelId", project.panelModelId);
    io.Field("showLabels", project.showLabels);
    PortsFields(io, project);
    LanguageFields(io, project.languages);
    ScreensFields(io, project);
    io.Object("settings", [&](JsonIo& fields) { SettingsFields(fields, project.settings); });
    io.Object("eventList", [&](JsonIo& fields) { EventListFields(fields, project.eventList); });
    BitmapLibraryFields(io, project.bitmapLibrary);
    DataTransferFields(io, project.dataTransfers);
}

} // namespace balsar
