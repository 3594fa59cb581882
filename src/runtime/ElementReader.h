#pragma once
// Decodes one element record of a screen by its kind code.
#include <cstddef>
#include <cstdint>

#include "runtime/ElementRecords.h"
#include "runtime/RecordName.h"

namespace balsar::runtime {

class ImageBytes;
class GlyphStore;

// The element of kind `kind` whose record starts at offset; `name` names it
// in errors ("screen 3 element 2 (register)").
ElementRecord ReadElement(const ImageBytes& bytes, GlyphStore& glyphs, uint16_t kind, size_t offset,
                          const RecordName& name);

} // namespace balsar::runtime
