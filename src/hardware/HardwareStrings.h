#pragma once
// User-visible texts of the panel hardware models: the model description
// lines of the new-project wizard.

namespace balsar::texts {

inline constexpr const char* kHardwareErrorLoadXml = "Error Load XML: %s";
inline constexpr const char* kModelName = "型号名称: %s";
inline constexpr const char* kModelResolution = "显示分辨率: %dx%d";
inline constexpr const char* kModelSize = "显示尺寸: %s英寸";
inline constexpr const char* kModelMonochrome = "色彩: 单色";
inline constexpr const char* kModelColours = "色彩: %d色";
inline constexpr const char* kModelKeys = "键盘: %d键";
inline constexpr const char* kModelTouchYes = "触控: 支持";
inline constexpr const char* kModelTouchNo = "触控: 不支持";
inline constexpr const char* kModelEncoderYes = "编码器: 支持";
inline constexpr const char* kModelEncoderNo = "编码器: 不支持";
inline constexpr const char* kModelPortSupported = "%s: 支持";
inline constexpr const char* kModelPortNotSupported = "%s: 不支持";

} // namespace balsar::texts
