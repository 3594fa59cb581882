#pragma once
// Conversions between the core's UTF-8 strings and Qt's strings.
#include <QString>
#include <string>

namespace balsar::dialogs {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline QString Q(const char* text) { return QString::fromUtf8(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

} // namespace balsar::dialogs
