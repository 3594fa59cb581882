// User-visible texts of the transfer core, kept in one place for translation.
#pragma once

namespace caldo::text {

// Start of communication failed (shown when the first connection of a run fails).
inline constexpr const char kStartFailure[] = "通信启动失败！\n如果文本上电无显示，请尝试按住SET键重新上电，"
                                              "\n看到BOOTLOADER字样显示后释放按键，即可下载成功。";
inline constexpr const char kGetInfoFailed[] = "获取下位机信息失败！";
inline constexpr const char kEnterBootFailed[] = "进入BOOT模式失败！";
inline constexpr const char kReconnectFailed[] = "设备连接错误，请重启设备！";
inline constexpr const char kEnterDownloadFailed[] = "进入下载模式失败";
inline constexpr const char kOpenFileFailed[] = "打开文件失败！";
inline constexpr const char kPackageKindMismatch[] = "下载包文件版本不符！";
inline constexpr const char kUnknownModel[] = "未知文本硬件型号!";
inline constexpr const char kProjectTooLarge[] =
    "工程过大，无法下载到文本显示器中，请尝试：\r\n1.使用尽可能少的字体种类，尽可能小的字号；\r\n2."
    "尽可能少的使用位图!";
inline constexpr const char kEraseFailed[] = "擦除FLASH失败！";
inline constexpr const char kBurnFailedFmt[] = "烧写%s失败！";
inline constexpr const char kBurnDoneFmt[] = "烧写%s成功！";

// Progress captions.
inline constexpr const char kEraseCaption[] = "擦除FLASH";
inline constexpr const char kDownloadWord[] = "下载";
inline constexpr const char kConnectingCaption[] = "设备连接，请稍候...";
inline constexpr const char kVerifyErrorCaption[] = "文件校验错误！";

// Region names used in captions and messages (region types 1 to 4).
inline constexpr const char kRegionGui[] = "GUI";
inline constexpr const char kRegionUserData[] = "用户数据";
inline constexpr const char kRegionDriver0[] = "驱动(0)";
inline constexpr const char kRegionDriver1[] = "驱动(1)";

// Failures that would otherwise end a run silently.
inline constexpr const char kPackageDamaged[] = "下载包文件已损坏！";
inline constexpr const char kWriteBlockFailedFmt[] = "下载%s失败！";
inline constexpr const char kNotBackInApplication[] = "GUI更新后设备未回到应用程序模式！";

} // namespace caldo::text
