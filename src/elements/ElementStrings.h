#pragma once
// The user-visible texts of the element module, exactly as the system shows
// them. Kept in one place so they can be translated later.

namespace balsar::strings {

// Text attributes shared by text-bearing elements.
inline constexpr const char* kSize8EnglishOnly = "8(仅限英文)";
inline constexpr const char* kNonAsciiLost = "所有非英文字符将丢失，是否继续？";
inline constexpr const char* kDefaultFace = "宋体";
inline constexpr const char* kFallbackFace = "Microsoft Sans Serif";

// Static text page.
inline constexpr const char* kTrimQuestion = "字符串长度越界，多余字符将被截断。是否继续？";
inline constexpr const char* kDoubleSizeOutOfScreen = "文本越界,请裁剪部分字串来适应屏幕尺寸!";

// Register element.
inline constexpr const char* kRegisterTypeNames[6] = {"十进制有符号数", "十进制无符号数", "十六进制/BCD",
                                                      "单精度浮点",     "双精度浮点",     "密码"};
inline constexpr const char* kRegisterWidthNames[3] = {"单字", "双字", "4WORD"};
inline constexpr const char* kAlignmentNames[3] = {"左对齐", "右对齐", "居中"};
inline constexpr const char* kLegacyLimitTypes[2] = {"输入数据", "工程数据"};
inline constexpr const char* kInputOutOfRangeCaption = "输入越界";
inline constexpr const char* kInputOutOfRangeText = "输入越界,可输入范围";

// Diagnostics.
inline constexpr const char* kCannotOpenBitmap = "[CGraphElement::LoadSingleColorBitmap]Can not open file: %s";
inline constexpr const char* kNotBitmap = "[CGraphElement::LoadSingleColorBitmap]Not bmp file: %s";
inline constexpr const char* kNotSingleColorBitmap =
    "[CGraphElement::LoadSingleColorBitmap]Not single color bmp file: %s";
inline constexpr const char* kNoPositionNode = "GE find 'Position' node failure!";

} // namespace balsar::strings

namespace balsar::strings {
// Legacy XML of the register element.
inline constexpr const char* kRegisterMissingNode = "Register find '%s' node failure!";
} // namespace balsar::strings
