#pragma once
// The former name of the designer session, kept for code that still
// spells it so. New code includes project/DesignerSession.h.
#include "project/DesignerSession.h"

namespace balsar {

using DesignerContext = DesignerSession;

} // namespace balsar
