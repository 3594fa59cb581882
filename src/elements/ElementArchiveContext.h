#pragma once
// What element bodies need to know while a project is read or written: the
// project's bitmap library, and whether the whole project is being written
// (pictures then only mark their library entry as used) or an element is
// archived on its own (clipboard: the entry travels with the picture).
#include "base/Archive.h"

namespace balsar {

class CSingleColorBitmapLib;

class ElementArchiveContext : public ArchiveContext {
public:
    ElementArchiveContext(CSingleColorBitmapLib* library, bool projectArchive)
        : bitmapLibrary(library), wholeProject(projectArchive) {}

    CSingleColorBitmapLib* bitmapLibrary;
    bool wholeProject;
};

} // namespace balsar
