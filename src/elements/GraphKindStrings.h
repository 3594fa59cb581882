#pragma once
// The user-visible texts of the event list, ASCII string, bar graph, trend
// graph and picture elements and of the bitmap library, exactly as the
// system shows them. Kept together so they can be translated later.

namespace balsar::strings {

// Event list element page.
inline constexpr const char* kShowNumber = "显示序号";
inline constexpr const char* kShowDate = "显示日期";
inline constexpr const char* kDateSeparatorLabel = "日期分隔符";
inline constexpr const char* kFourDigitYear = "显示4位年份";
inline constexpr const char* kNoLeadingZeros = "日月消零";
inline constexpr const char* kShowTime = "显示时间";
inline constexpr const char* kTimeFormats[2] = {"HH:MM:SS", "HH:MM"};
inline constexpr const char* kDateSeparators[3] = {".", "/", "-"};
// Our own names of the four date orders.
inline constexpr const char* kDateOrders[4] = {"DD-MM-YY", "MM-DD-YY", "YY-MM-DD", "MM-DD"};

// ASCII string element page.
inline constexpr const char* kAsciiSizes[3] = {"8", "12", "16"};
inline constexpr const char* kAsciiSizeLabel = "字  号:";
inline constexpr const char* kAsciiCountLabel = "字符数:";
inline constexpr const char* kAsciiDisplayGroup = "显示";
inline constexpr const char* kReverseLabel = "反相";

// Bar and trend graph pages.
inline constexpr const char* kBarPageTitle = "棒图属性";
inline constexpr const char* kTrendPageTitle = "趋势图属性";
inline constexpr const char* kScaleTypeNames[5] = {"十进制有符号数", "十进制无符号数", "十六进制/BCD", "单精度浮点",
                                                   "双精度浮点"};
inline constexpr const char* kScaleWidthNames[3] = {"单字", "双字", "4WORD"};
inline constexpr const char* kBarDirections[4] = {"向上", "向下", "向左", "向右"};
inline constexpr const char* kZeroScaleLabel = "零额度值:";
inline constexpr const char* kFullScaleLabel = "满额度值:";
inline constexpr const char* kScaleValueFormat = "%lf";
inline constexpr const char* kSamplingLabel = "采样频率:";
inline constexpr const char* kBarMissingTrait = "Bar find 'Trait' failure!";
inline constexpr const char* kBarMissingReg = "Bar find 'Reg' node failure!";
inline constexpr const char* kBarMissingShow = "Bar find 'Show' node failure!";
inline constexpr const char* kTooManyTrends = "每页只允许放置4个趋势图!";

// Trend data buffer (legacy XML form).
inline constexpr const char* kDataModeNames[4] = {"OCT", "DEC", "HEX", "DEC_SIGN"};

// Picture element and its placement.
inline constexpr const char* kPicturePageTitle = "图片属性";
inline constexpr const char* kCompressLabel = "压缩";
inline constexpr const char* kThresholdLabel = "阀值:";
inline constexpr const char* kBitmapFileFilter = "bitmap files (*.bmp;)|*.bmp;||";
inline constexpr const char* kOnlyMonochromeBitmaps = "文件格式非法，只能导入单色位图";
inline constexpr const char* kLoadPictureFailed = "载入图片失败";
inline constexpr const char* kPictureTooLarge = "图片尺寸太大，无法载入!";
inline constexpr const char* kErrorCaption = "错误";

} // namespace balsar::strings
