#pragma once
// Labels of the function key page that only the designer shows.

namespace balsar::dialogs::texts {

inline constexpr const char* kFunckeyKeyLabel = "按键:";
inline constexpr const char* kFunckeyFunctionLabel = "功能:";
inline constexpr const char* kFunckeyLevelLabel = "密码等级:";
inline constexpr const char* kFunckeySizeLabel = "大小:";

} // namespace balsar::dialogs::texts
