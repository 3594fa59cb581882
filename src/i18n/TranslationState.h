#pragma once
// The translators this process installed, kept together so that installing
// another language replaces them. Qt's translator list is process-wide, so
// this is too.
#include "i18n/MessageTemplates.h"

namespace balsar::i18n {

// The templates of the installed translation (empty for Chinese).
const MessageTemplates& ActiveTemplates();

} // namespace balsar::i18n
