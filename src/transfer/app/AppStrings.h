// User-visible texts of the transfer dialogs.
#pragma once

namespace caldo::apptext {

inline constexpr const char kDownloadProject[] = "下载工程";
inline constexpr const char kForceGui[] = "强制更新GUI";
inline constexpr const char kProgressGroup[] = "进度";
inline constexpr const char kSettingsGroup[] = "下载设置";
inline constexpr const char kSelectProject[] = "选择工程";
inline constexpr const char kDownloadGroup[] = "下载";
inline constexpr const char kAlreadyRunning[] = "不能同时打开多个";
inline constexpr const char kPackageFilter[] = "User Data Files (*.qk)";
inline constexpr const char kAboutEntry[] = "关于%1(&A)...";
inline constexpr const char kAboutText[] = "%1 %2\n文本显示器工程下载工具";

// The link choice (not in the original layouts).
inline constexpr const char kLinkGroup[] = "通信设置";
inline constexpr const char kLinkUdp[] = "网口(UDP)";
inline constexpr const char kLinkUsb[] = "USB";
inline constexpr const char kLinkSerial[] = "串口";
inline constexpr const char kAddress[] = "IP地址:";
inline constexpr const char kPort[] = "端口:";
inline constexpr const char kUsbId[] = "VID:PID";

} // namespace caldo::apptext
