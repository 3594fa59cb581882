#pragma once
// Element bodies as bytes outside a project file: the editor's undo copies
// of screens and the clipboard block. The archive carries the context
// element bodies need: the bitmap library pictures take their bitmaps from,
// and whether the bytes follow the project file (a stored screen: pictures
// only mark their entry as used) or stand alone (the clipboard: the entry
// travels with the picture).
#include <cstdint>
#include <span>
#include <vector>

#include "base/Archive.h"
#include "elements/ElementArchiveContext.h"

namespace balsar::editor {

// The bytes that write(Archive&) puts into a fresh archive.
template <typename Write>
std::vector<uint8_t> WriteElementBytes(CSingleColorBitmapLib* library, bool projectArchive, Write&& write) {
    ElementArchiveContext context(library, projectArchive);
    Archive ar;
    ar.SetContext(&context);
    write(ar);
    return ar.TakeData();
}

// What read(Archive&) makes of the bytes; an empty Result when they are
// damaged.
template <typename Result, typename Read>
Result ReadElementBytes(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                        CSingleColorBitmapLib* library, bool projectArchive, Read&& read) {
    ElementArchiveContext context(library, projectArchive);
    Archive ar(bytes, registry);
    ar.SetContext(&context);
    try {
        return read(ar);
    } catch (const ArchiveError&) {
        return Result{};
    }
}

} // namespace balsar::editor
