#pragma once
// Builds the demo project through the core API: screens with every element
// kind, COM0 on a shipped protocol, panel settings, an event and a data
// transfer; and the model template projects shipped in lib/hardware.
#include <memory>
#include <string>

#include "project/CMirloProject.h"

namespace balsar::demo {

std::unique_ptr<CMirloProject> BuildDemoProject(const LanguageDefaults& languages);

// A template for a panel model: a start screen titled with the model name
// and a second screen, each with a key that jumps to the other; no port in
// use (the new-project wizard sets the ports).
std::unique_ptr<CMirloProject> BuildModelTemplate(const LanguageDefaults& languages, int32_t modelId,
                                                  const std::string& modelName);

} // namespace balsar::demo
