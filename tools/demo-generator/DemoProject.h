#pragma once
// Builds the demo project through the core API: a few screens, COM0 on the
// first protocol of the library, panel settings, an event and a data
// transfer.
#include <memory>

#include "project/CMirloProject.h"

namespace balsar::demo {

std::unique_ptr<CMirloProject> BuildDemoProject(const LanguageDefaults& languages);

} // namespace balsar::demo
