#pragma once
// Where a project uses register addresses: every element that reads or
// writes one, every event item, the addresses of every data transfer and
// the PLC control block of the settings. Only uses the panel acts on are
// listed: a jump key's stored address, a timed transfer's trigger and a
// control block that is switched off are not.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plc/CAddr.h"

namespace balsar {

class CMirloProject;
class PortProtocols;

enum class UseAccess { Read, Write, ReadWrite };

struct AddressUse {
    enum class Place { Element, Event, DataTransfer, Settings };

    Place place = Place::Element;
    // An element: its screen, name, ID and class.
    uint16_t screen = 0;
    std::string element;
    uint16_t elementId = 0;
    std::string elementClass;
    // An event or data-transfer item: its place in its list, from 1, and an
    // event's message.
    size_t item = 0;
    std::string message;
    // The member that holds the address ("address", "source", "destination",
    // "trigger", "screen select", "screen report").
    std::string field;
    UseAccess access = UseAccess::Read;
    // Written by a function key.
    bool byFunctionKey = false;
    // Values from the address the use covers (a data transfer's count).
    int32_t values = 1;
    CAddr address;
};

// In project order: screens and their elements, events, data transfers,
// settings. protocols: the ports' descriptions (where the report address of
// the control block lies); may be null.
std::vector<AddressUse> CollectAddressUses(const CMirloProject& project, const PortProtocols* protocols);

// Whether the lists above know an element class (as holding an address or
// as holding none).
bool KnowsElementAddresses(std::string_view className);

const char* AccessName(UseAccess access);

} // namespace balsar
