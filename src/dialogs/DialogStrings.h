#pragma once
// The user-visible texts of the designer's dialogs, exactly as the system
// shows them. Texts the core already owns are taken from its string headers.

namespace balsar::dialogs::texts {

// Numeric edit and address panel.
inline constexpr const char* kPort = "端口";
inline constexpr const char* kStation = "站号";
inline constexpr const char* kDevice = "连接的设备";
inline constexpr const char* kRegisterType = "地址类型";
inline constexpr const char* kIndex = "索引";
inline constexpr const char* kAddressValue = "地址值";
inline constexpr const char* kFormatRange = "格式(范围)";
inline constexpr const char* kEncoding = "编码";
inline constexpr const char* kWordCount = "字数";
inline constexpr const char* kEncodings[] = {"BIN", "BCD"};

// Common buttons of the list dialogs.
inline constexpr const char* kAdd = "增  加";
inline constexpr const char* kDelete = "删  除";
inline constexpr const char* kModify = "修  改";
inline constexpr const char* kOk = "确  定";
inline constexpr const char* kNumber = "序号";

// Global settings.
inline constexpr const char* kGlobalSettingsMenu = "全局设置";
inline constexpr const char* kInitialScreen = "初始画面";
inline constexpr const char* kPasswordScreen = "密码画面";
inline constexpr const char* kScreenSaver = "屏幕保护";
inline constexpr const char* kShowScreen = "显示画面";
inline constexpr const char* kBacklightOnly = "仅关闭背光";
inline constexpr const char* kWakePassword = "屏保恢复时需要口令";
inline constexpr const char* kPasswordLevel = "密码级";
inline constexpr const char* kBuzzerMute = "蜂鸣器静音";
inline constexpr const char* kDoubleWordSwap = "双字交换(大端字节序)";
inline constexpr const char* kFocusDisplay = "焦点显示";
inline constexpr const char* kAutoSwitchScreen = "自动变换显示画面，对应";
inline constexpr const char* kReportScreen = "报告当前画面号，对应";
inline constexpr const char* kControlAddress = "控制地址";
inline constexpr const char* kLevelPassword = "%1级密码";

// Event and alarm list.
inline constexpr const char* kEventListCaption = "事件与报警列表";
inline constexpr const char* kEventItemCaption = "事件与报警设置";
inline constexpr const char* kColumnPort = "端口";
inline constexpr const char* kColumnRegisterType = "寄存器类型";
inline constexpr const char* kColumnMessage = "信息内容";
inline constexpr const char* kFontSize = "字号";
inline constexpr const char* kLanguage = "语言";
inline constexpr const char* kFont = "字体";
inline constexpr const char* kAlarmScreen = "ALM画面";
inline constexpr const char* kAutoPopup = "自动弹出报警窗口";
inline constexpr const char* kAddressKinds[] = {"位地址", "字地址"};
inline constexpr const char* kTriggerOn = "置1时触发(ON触发)";
inline constexpr const char* kTriggerOff = "置0时触发(OFF触发)";
inline constexpr const char* kWhenValue = "当地址值";
inline constexpr const char* kComparisons[] = {"<", ">", "==", "<>", ">=", "<="};
inline constexpr const char* kRange = "取值范围";
inline constexpr const char* kChoosePicture = "更换图片...";
inline constexpr const char* kLower = "下限";
inline constexpr const char* kUpper = "上限";
inline constexpr const char* kTriggerBuzzer = "触发蜂鸣器";
inline constexpr const char* kBuzzerSeconds = "(0~10)";
inline constexpr const char* kMessageText = "文字内容";
inline constexpr const char* kMessageEmpty = "信息输入不能为空";
inline constexpr const char* kWordValueOutOfRange = "字状态取值范围越界，必须在-2147483648和2147483647";
inline constexpr const char* kUpperBelowLower = "上限必须大于下限";

// Data transfers.
inline constexpr const char* kColumnTrigger = "触发方式";
inline constexpr const char* kColumnSource = "源地址";
inline constexpr const char* kColumnDestination = "目标地址";
inline constexpr const char* kColumnCount = "传输个数";
inline constexpr const char* kColumnExecutions = "执行次数";
inline constexpr const char* kColumnWindow = "有效窗口";
inline constexpr const char* kTimed = "定时执行";
inline constexpr const char* kTriggerType = "触发类型";
inline constexpr const char* kPeriod = "执行周期";
inline constexpr const char* kPeriodUnit = "x100ms";
inline constexpr const char* kExecutionsHint = "0表示一直循环运行";
inline constexpr const char* kWindowHint = "0表示所有窗口有效";
inline constexpr const char* kDataType = "数据类型";
inline constexpr const char* kWord = "字";
inline constexpr const char* kBit = "位";
inline constexpr const char* kTransferCount = "传输寄存器位(字)数";
inline constexpr const char* kTriggerAddress = "触发地址";

// Languages.
inline constexpr const char* kLanguageCaption = "语言设置";
inline constexpr const char* kLanguageGroup = "语种全局设定";
inline constexpr const char* kLanguageColumn = "语种";
inline constexpr const char* kDefaultFontColumn = "默认字体";
inline constexpr const char* kLanguageCount = "使用语种数:";
inline constexpr const char* kSystemMessageLanguage = "系统提示信息语种：";
inline constexpr const char* kSystemLanguages[] = {"中文", "英文"};
inline constexpr const char* kConfigureOneLanguage = "请至少配置一种语言！";
inline constexpr const char* kChooseLanguage = "请选择语言！";
inline constexpr const char* kChooseFont = "请选择字体！";

// Communication.
inline constexpr const char* kManufacturer = "设备(厂商)分类";
inline constexpr const char* kDeviceModel = "设备型号";
inline constexpr const char* kSerialType = "通讯类型";
inline constexpr const char* kBaud = "波特率";
inline constexpr const char* kDataBits = "数据位";
inline constexpr const char* kParity = "奇偶校验";
inline constexpr const char* kStopBits = "停止位";
inline constexpr const char* kSlaveStation = "从设备号";
inline constexpr const char* kCompatibleModels = "兼容型号";

// The upload/download task.
inline constexpr const char* kSerialTaskCaption = "Mission";
inline constexpr const char* kSerialTaskFile = "文件";
inline constexpr const char* kSerialTaskDirection = "方向";
inline constexpr const char* kSerialTaskUpload = "上传";
inline constexpr const char* kSerialTaskDownload = "下载";
inline constexpr const char* kSerialTaskLine = "通讯参数";
inline constexpr const char* kSerialTaskPort = "串口";
inline constexpr const char* kAdvanced = "高级设定";
inline constexpr const char* kRestoreDefaults = "恢复默认";
inline constexpr const char* kAdvancedCaption = "通讯高级设置";
inline constexpr const char* kCommTimeout = "通讯超时时间(mS)";
inline constexpr const char* kProtocolTimeout1 = "协议超时参数1";
inline constexpr const char* kProtocolTimeout2 = "协议超时参数2";
inline constexpr const char* kBitGap = "组包位寄存器间隔";
inline constexpr const char* kWordGap = "组包字寄存器间隔";
inline constexpr const char* kMaxBits = "位组包最大寄存器个数";
inline constexpr const char* kMaxWords = "字组包最大寄存器个数";
inline constexpr const char* kCommInterval = "通讯时间间隔(mS)";
inline constexpr const char* kErrorShowTime = "提示信息显示时间(S)";
inline constexpr const char* kRetries = "出现错误后重试次数";
inline constexpr const char* kAfterRetries = "超过重试次数后";
inline constexpr const char* kRetry = "重试";
inline constexpr const char* kCutOff = "切断";
inline constexpr const char* kRestoreDefaultSettings = "恢复默认设置";
inline constexpr const char* kSerialPortCaption = "通讯串口选择";
inline constexpr const char* kCanPort = "CAN";

// Element property pages.
inline constexpr const char* kStaticTextCaption = "静态文本属性";
inline constexpr const char* kRegisterCaption = "寄存器属性";
inline constexpr const char* kTextString = "文字串:";
inline constexpr const char* kTextSize = "字号:";
inline constexpr const char* kLanguageLabel = "语言:";
inline constexpr const char* kFontLabel = "字体:";
inline constexpr const char* kReverse = "反相显示";
inline constexpr const char* kUseDotMatrix = "使用点阵字库";
inline constexpr const char* kPosition = "位置";
inline constexpr const char* kDoubleSize = "倍角";
inline constexpr const char* kCommonPage = "通用属性";
inline constexpr const char* kRegisterPage = "寄存器";
inline constexpr const char* kAddressPage = "地址";
inline constexpr const char* kDataTypeLabel = "数据类型";
inline constexpr const char* kDataWidth = "数据宽度";
inline constexpr const char* kIntegerDigits = "整数位数";
inline constexpr const char* kDecimalDigits = "小数位数";
inline constexpr const char* kLeadingZeros = "前导零";
inline constexpr const char* kInputAllowed = "允许输入";
inline constexpr const char* kPasswordGrade = "密码等级";
inline constexpr const char* kInputLimits = "输入上下限";
inline constexpr const char* kScaling = "使用比例转换";
inline constexpr const char* kAlignment = "对齐";
inline constexpr const char* kKeepLevel = "不改变当前等级";

} // namespace balsar::dialogs::texts
