#pragma once
// Every class a project file or the clipboard may create by name.
#include "base/ClassRegistry.h"

namespace balsar {

// Built on first use and never changed afterwards.
const ClassRegistry& CoreClassRegistry();
// Adds the core classes to a registry (tests add their own on top).
void RegisterCoreClasses(ClassRegistry& registry);

} // namespace balsar
