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
inline constexpr const char kUsbIdHint[] = "自动";

// The package and the panel as the window shows them.
inline constexpr const char kPackageLabel[] = "工程包：";
inline constexpr const char kPanelLabel[] = "设备：";
inline constexpr const char kPanelUnknown[] = "未连接";
inline constexpr const char kPanelFmt[] = "型号 %1，GUI版本 %2";
inline constexpr const char kPanelEmulated[] = "（模拟设备）";

// After a run.
inline constexpr const char kRetry[] = "重试";
inline constexpr const char kUsbIdInvalid[] = "USB设备号无效：%1\n请输入 VID:PID（十六进制），或留空以使用 lib/usb/panels.conf。";

// A second start of a program that runs already.
inline constexpr const char kBusyWithOtherFmt[] =
    "\n正在运行的%1正在下载另一个工程包：\n%2\n新的工程包没有下载：\n%3";
inline constexpr const char kTookFmt[] = "\n正在运行的%1已取得工程包：\n%2\n请在其窗口中点击“下载工程”。";
inline constexpr const char kTookOtherFmt[] =
    "\n正在运行的%1原来持有另一个工程包：\n%2\n已改为新的工程包：\n%3\n请在其窗口中点击“下载工程”。";

} // namespace caldo::apptext
