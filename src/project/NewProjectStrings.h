#pragma once
// User-visible texts of the new-project wizard.

namespace balsar::texts {

inline constexpr const char* kWizardNamePage = "新建工程向导-工程名称";
inline constexpr const char* kWizardModelPage = "新建工程向导-选择文本类型";
inline constexpr const char* kWizardProtocolPage = "新建工程向导-选择通讯协议";
inline constexpr const char* kWizardNameLabel = "工程名称";
inline constexpr const char* kWizardLocationLabel = "保存位置";
inline constexpr const char* kWizardBrowse = "浏览...";
inline constexpr const char* kWizardModelList = "文本显示器型号";
inline constexpr const char* kChooseProjectFolder = "请选择工程文件夹";
inline constexpr const char* kOverwriteFolder = "工程目录(%s)已存在，是否覆盖？";
inline constexpr const char* kParentMissing = "目录(%s)不存在，请重新选择！";
inline constexpr const char* kConfirmModel = "工程创建后，文本显示器型号将不能被修改，确认创建工程？";
inline constexpr const char* kCannotCreateFolder = "无法创建目录(%s)！";
inline constexpr const char* kCannotDeleteFolder = "无法删除目录(%s)！";
inline constexpr const char* kTemplateExtension = ".SFP";

} // namespace balsar::texts
