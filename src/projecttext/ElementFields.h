#pragma once
// The text form of screen elements: one object per element, its class
// first, then the fields every element stores, then the kind's own.
#include <memory>
#include <string_view>

#include "projecttext/AddressFields.h"
#include "projecttext/JsonIo.h"

namespace balsar {

class CGraphElement;
class CSingleColorBitmapLib;

// What reading elements needs from the project being built: the bitmap
// library pictures show from, and a home for the older address types.
class ElementReadContext : public JsonContext {
public:
    explicit ElementReadContext(const CSingleColorBitmapLib* library) : bitmapLibrary(library) {}
    const CSingleColorBitmapLib* bitmapLibrary;
    LegacyTypeStore legacyTypes;
};

// Whether an element class has a text form.
bool HasElementText(std::string_view className);

// Reading: creates the element the member "class" names (one of the kinds
// of the element registry).
std::unique_ptr<CGraphElement> CreateElement(JsonIo& io);
// Writing: "class", then every stored field. Reading: every stored field of
// an element made by CreateElement, the ID and name included, whatever a
// screen gave it when it was added.
void ElementFields(JsonIo& io, CGraphElement& element);

} // namespace balsar
