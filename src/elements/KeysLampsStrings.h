#pragma once
// The user-visible texts of the dynamic text, the function key with its key
// actions and the indicator lamp, exactly as the system shows them. Kept in
// one place so they can be translated later.

namespace balsar::strings {

// Key actions: the three functions of a function key.
inline constexpr const char* kKeyFunctionNames[3] = {"跳转画面", "位设定", "字设定"};

// Jump action page.
inline constexpr const char* kJumpToScreen = "跳转至画面";
inline constexpr const char* kJumpBack = "返回上一画面";
inline constexpr const char* kJumpPassword = "密码画面";
inline constexpr const char* kJumpAlarmList = "报警列表画面";

// Bit and word action pages.
inline constexpr const char* kSetMode = "设定方式";
inline constexpr const char* kBitModeNames[8] = {"设定为ON",        "设定为OFF",      "取反",
                                                 "复位开关",        "进入画面设为ON", "离开画面设为ON",
                                                 "进入画面设为OFF", "离开画面设为OFF"};
inline constexpr const char* kWordModeNames[9] = {"设定常数",       "加",           "减",
                                                  "递加",           "递减",         "进入画面时设置",
                                                  "离开画面时设置", "加(到限循环)", "递加(到限循环)"};
inline constexpr const char* kValueSet = "设置值:";
inline constexpr const char* kValueAddend = "加数:";
inline constexpr const char* kValueSubtrahend = "减数:";
inline constexpr const char* kValueIncrement = "递加值:";
inline constexpr const char* kValueDecrement = "递减值:";
inline constexpr const char* kLimitUpper = "上限:";
inline constexpr const char* kLimitLower = "下限:";
inline constexpr const char* kDelayTime = "迟滞时间";
inline constexpr const char* kExecutionRate = "执行速度";
inline constexpr const char* kImmediate = "按下后立即执行递加/递减操作";
// Delay and rate lists: "0.1 sec" to "1.5 sec".
inline constexpr const char* kTenthsFormat = "%d.%d sec";

// Function key page.
inline constexpr const char* kFunckeyTitle = "功能键属性";
inline constexpr const char* kPasswordLevel = "密码等级";
inline constexpr const char* kHand = "手型";
inline constexpr const char* kHidden = "隐藏";
inline constexpr const char* kReverseShown = "反相显示";
inline constexpr const char* kKeepLevel = "不改变当前等级";
inline constexpr const char* kKeySizeNames[5] = {"8", "12", "16", "24", "32"};

// Indicator lamp page.
inline constexpr const char* kLampTitle = "指示灯属性";
inline constexpr const char* kLampShapeLabel = "形状:";
inline constexpr const char* kLampShapeNames[2] = {"圆形", "方形"};
inline constexpr const char* kLampSizeLabel = "大小:";
inline constexpr const char* kNegativeLogic = "负逻辑";
inline constexpr const char* kFlash = "闪烁";
inline constexpr const char* kFlashStateNames[2] = {"状态为0时闪烁", "状态为1时闪烁"};
inline constexpr const char* kPeriodLabel = "周期:";
inline constexpr const char* kPeriodUnit = "x100mS";

// Dynamic text page.
inline constexpr const char* kDynamicTextTitle = "动态文本属性";
inline constexpr const char* kDataTypeLabel = "数据类型:";
inline constexpr const char* kBitAddress = "位地址";
inline constexpr const char* kWordAddress = "字地址";
inline constexpr const char* kAlignmentLabel = "对齐:";
inline constexpr const char* kUseDotMatrix = "使用点阵字库";
inline constexpr const char* kGridValueHeader = "数值";
inline constexpr const char* kGridTextHeader = "内容";
inline constexpr const char* kStatesOutOfRange = "数值越界部分文本将丢失，是否继续？";

// Diagnostics.
inline constexpr const char* kTooManyStates =
    "[CDynamicText::Compile]%s: a state table holds at most 255 states, the states from value %d on are not "
    "compiled";

} // namespace balsar::strings
