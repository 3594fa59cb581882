#pragma once
// The runtime's own texts: the panel's short notices in its two system
// languages, and the load messages.
namespace balsar::runtime::strings {

// Chinese / English, chosen by the panel's system-message language.
inline constexpr const char* kWrongPassword[2] = {"密码错误", "Wrong password"};
inline constexpr const char* kLevelTooLow[2] = {"权限不足", "Access level too low"};
inline constexpr const char* kOutOfLimits[2] = {"输入超出范围", "Input out of range"};
inline constexpr const char* kCommunicationError[2] = {"通讯错误", "Communication error"};

inline constexpr const char* kCannotReadFile = "cannot read the download image %s: %s";

} // namespace balsar::runtime::strings
