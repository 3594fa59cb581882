#pragma once
// Conversions between the core's UTF-8 strings and Qt's strings. A fixed
// text (a const char* constant or literal) is a UI text and is shown in the
// UI language; a std::string is data (names, paths, the user's texts) and is
// shown as it stands, so that reading a field back never changes it.
#include <QString>
#include <string>

#include "i18n/UiText.h"

namespace balsar::dialogs {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline QString Q(const char* text) { return i18n::Ui(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

} // namespace balsar::dialogs
