#pragma once
// User-visible texts of the compile, package and outside-program commands.

namespace balsar::texts {

inline constexpr const char* kCreateCompileFileFailed = "Create Compile File Failed!";
inline constexpr const char* kMakePackageFailed = "制作下载文件包失败！";
inline constexpr const char* kStartFailed = "未能正常启动";
// The platform's file-error report: path and reason.
inline constexpr const char* kPackageSourceOpenFailed = "无法打开文件 %s：%s";
inline constexpr const char* kPackageSourceTooShort = "[AppendPackageRegion]File is shorter than its %u-byte header: %s";
inline constexpr const char* kPackageUnknownProtocol = "[BuildPackage]COM%d: protocol %d is not in the library";
inline constexpr const char* kPackageNoGuiFile = "[BuildPackage]The panel model names no GUI program file (HWFile)";

} // namespace balsar::texts
