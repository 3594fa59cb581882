#pragma once
// The texts of the language choice, written in Chinese like every text of
// the suite; the language names are each shown in their own language.
namespace balsar::i18n::texts {

inline constexpr const char* kLanguageMenu = "界面语言(&G)";
inline constexpr const char* kFollowSystem = "跟随系统";
inline constexpr const char* kChineseName = "中文";
inline constexpr const char* kEnglishName = "English";
inline constexpr const char* kRestartNeeded = "界面语言将在程序重新启动后生效。";

} // namespace balsar::i18n::texts
