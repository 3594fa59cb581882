#pragma once
// User-visible texts of the panel settings, the data-transfer list, the
// communication settings change and the legacy settings record.

namespace balsar::texts {

// Panel settings.
inline constexpr const char* kGlobalSettingsCaption = "全局设定";
inline constexpr const char* kPasswordOutOfRange = "密码输入范围越界";
inline constexpr const char* kScreenSaverChoices[] = {"从不",   "1分钟",  "2分钟",  "3分钟",  "5分钟", "10分钟",
                                                      "15分钟", "20分钟", "30分钟", "45分钟", "1小时"};
inline constexpr const char* kFocusChoices[] = {"反色", "闪烁"};

// Data-transfer list.
inline constexpr const char* kDataTransferCaption = "数据传输设置";
inline constexpr const char* kDataTransferItemCaption = "数据传输设定";
inline constexpr const char* kEntryExists = "报警设置条目已存在";
inline constexpr const char* kSelectRowFirst = "请先选择一行";
inline constexpr const char* kConfirmDelete = "确定删除？";
inline constexpr const char* kConfirmCaption = "确定";
inline constexpr const char* kDiscardChanges = "是否放弃可能的更改？";
inline constexpr const char* kTimedTrigger = "定时触发";
inline constexpr const char* kRegisterTrigger = "寄存器触发";
inline constexpr const char* kTriggerTypes[] = {"OFF->ON", "ON->OFF", "ON<->OFF"};

// Communication settings.
inline constexpr const char* kModifyProtocolCaption = "修改通讯协议";
inline constexpr const char* kResetChangedPorts = "已更改端口的所有关联组态信息都将被复位，是否确认？";

// Legacy settings record.
inline constexpr const char* kSarvoFindReg = "Sarvo find 'Reg' node failure!";
inline constexpr const char* kSarvoFindGlobalFunckey = "Sarvo find 'GlobalFunckey' node failure!";
inline constexpr const char* kSarvoFindBackTrend = "Sarvo find 'BackTrend' node failure!";
inline constexpr const char* kSarvoFindUserGroup = "Sarvo find 'UserGroup' node failure!";

} // namespace balsar::texts
