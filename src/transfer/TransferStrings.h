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
// "下载<region>:"; the progress bar adds the percent after the colon.
inline constexpr const char kDownloadCaptionFmt[] = "下载%s:";
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
inline constexpr const char kNotInBootloader[] = "设备没有进入BOOTLOADER！";

// Refusals found before anything is sent that changes the panel's mode.
inline constexpr const char kNoGuiForModel[] = "下载包中没有适用于该文本硬件型号的GUI程序！";
inline constexpr const char kPlaceholderRefusedFmt[] =
    "下载包中的%s是占位文件，不是真正的程序，不能写入真实的文本显示器！\n"
    "（占位文件只用于模拟设备；确需写入时请加选项 --allow-placeholder。）";
inline constexpr const char kModelNumberFmt[] = "型号：%u";

// Settings that name no reachable panel.
inline constexpr const char kBadAddressFmt[] = "IP地址无效：%s";
inline constexpr const char kBadPortFmt[] = "端口无效：%s";
inline constexpr const char kBadSerialPortFmt[] = "找不到串口：%s";
inline constexpr const char kUsbIdFileFailedFmt[] = "读取USB设备列表失败：%s";
inline constexpr const char kSerialWord[] = "串口";

// Where a failed run left the panel, and what to do.
inline constexpr const char kStateUntouched[] = "设备未做任何改动。";
inline constexpr const char kStateUnknown[] = "设备可能已切换到BOOTLOADER，状态不明：请重新上电后再下载。";
inline constexpr const char kStateBootIntact[] =
    "设备停留在BOOTLOADER中，原GUI程序未改动：重新上电即可回到应用程序，然后可重新下载。";
inline constexpr const char kStateBootNoGui[] =
    "设备停留在BOOTLOADER中，GUI程序不完整：请重新下载（会重新写入GUI程序）。";
inline constexpr const char kStateGuiNoAnswer[] =
    "GUI程序已写入，但设备重启后没有应答：请检查连接，重新上电后再下载。";
inline constexpr const char kStateAppIntact[] = "设备已回到应用程序，原工程未改动。";
inline constexpr const char kStateAppIncomplete[] = "设备已退出下载模式，但工程数据不完整：请重新下载。";
inline constexpr const char kStateDownloadNoAnswer[] =
    "设备可能仍处于下载模式且没有应答：请重新上电后再下载。";

// A run that wrote and verified everything.
inline constexpr const char kDownloadDone[] = "下载成功！";

} // namespace caldo::text
