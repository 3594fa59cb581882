#pragma once
// The designer shell's user-visible texts.

namespace balsar::app::texts {

inline constexpr const char* kAppName = "Balsar";
inline constexpr const char* kFileFilter = "Balsar 工程文件 (*.ZPJ)";
inline constexpr const char* kProjectExtension = ".ZPJ";
inline constexpr const char* kRecentSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kManualOpenFailed = "打开%1错误,你需要手动打开!";
inline constexpr const char* kDefaultVersion = "版本号: V 1.0.0";
inline constexpr const char* kAboutTitle = "关于 Balsar";
inline constexpr const char* kAboutProduct = "ZEMBRA Balsar";
inline constexpr const char* kNotAvailable = "此功能尚未提供";

// Menus of our own.
inline constexpr const char* kMenuProject = "工程(&F)";
inline constexpr const char* kMenuEdit = "编辑(&E)";
inline constexpr const char* kMenuArrange = "排列(&R)";
inline constexpr const char* kMenuScreen = "画面(&P)";
inline constexpr const char* kMenuElements = "元件(&I)";
inline constexpr const char* kMenuSettings = "设置(&S)";
inline constexpr const char* kMenuTools = "工具(&T)";
inline constexpr const char* kMenuHelp = "帮助(&H)";
inline constexpr const char* kScreenPropertiesCommand = "画面属性(&R)...";
inline constexpr const char* kRedo = "重做(&R)";
inline constexpr const char* kToolbarMain = "标准";
inline constexpr const char* kToolbarAlign = "排列";
inline constexpr const char* kToolbarTools = "工具";
inline constexpr const char* kToolbarElements = "元件";
inline constexpr const char* kToolbarSettings = "设置";

// The check pane.
inline constexpr const char* kCheckCommand = "检查工程";
inline constexpr const char* kCheckPaneTitle = "检查";
inline constexpr const char* kCheckSeverity = "类别";
inline constexpr const char* kCheckCode = "代码";
inline constexpr const char* kCheckPlace = "位置";
inline constexpr const char* kCheckMessage = "说明";
inline constexpr const char* kCheckError = "错误";
inline constexpr const char* kCheckWarning = "警告";
inline constexpr const char* kCheckClean = "没有发现问题";
inline constexpr const char* kCheckStopsDownload = "工程有错误，未下载：请看“检查”窗格";

} // namespace balsar::app::texts
