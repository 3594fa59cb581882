#pragma once
// User-visible texts of the project model.

namespace balsar::texts {

inline constexpr const char* kOpenFailed = "打开工程失败";
inline constexpr const char* kNewerVersion = "此工程是由新版本软件创建的，请使用新版本软件";
inline constexpr const char* kOnlyCom0To2 = "Only can switch COM0~2";
inline constexpr const char* kFileFormatCaption = "文件格式错误";
inline constexpr const char* kNotZpj = "请确定是否为ZPJ文件!";
inline constexpr const char* kAlreadyOpen = "工程已处于打开状态，请不要重复打开!";
inline constexpr const char* kReplaceExisting = "这个工程已经存在于您选择的目录，替换旧的工程吗？";
inline constexpr const char* kSaveChangesFormat = "是否保存对 %s 的更改？";
inline constexpr const char* kCannotCreateFile = "无法创建文件 %s：%s";
inline constexpr const char* kCannotOpenFile = "无法打开文件 %s：%s";
inline constexpr const char* kFindCommunication = "Project find 'Communication' node failure!";
inline constexpr const char* kFindSarvo = "Project find 'Sarvo' node failure!";
inline constexpr const char* kFindFrames = "Project find 'Frames' node failure!";
inline constexpr const char* kFindAlarmList = "Project find 'AlarmList' node failure!";
inline constexpr const char* kErrorLoadXml = "Error Load XML: %s";
inline constexpr const char* kApplicationTitle = "Balsar";
inline constexpr const char* kProjectExtension = ".ZPJ";

} // namespace balsar::texts
