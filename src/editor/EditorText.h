#pragma once
// The editor's fixed texts in the user's language.
#include <QString>

#include "i18n/UiText.h"

namespace balsar::editor {

inline QString Text(const char* utf8) { return i18n::Ui(utf8); }

} // namespace balsar::editor
