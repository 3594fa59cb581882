#pragma once
// The screen editor's and the project tree's user-visible texts.

namespace balsar::editor::texts {

// Insert tools, by tool code.
inline constexpr const char* kToolNames[11] = {"指示灯", "功能键", "静态文本", "动态文本", "数值元件", "棒状图",
                                               "趋势图", "图片",   "",         "ASCII字串", "事件显示元件"};
inline constexpr const char* kStaticTextDefault = "文字串";
inline constexpr const char* kDynamicTextDefault = "动态文字串";
inline constexpr const char* kTooManyTrends = "每页只允许放置4个趋势图!";
inline constexpr const char* kBitmapFilter = "bitmap files (*.bmp;)";
inline constexpr const char* kNotMonochrome = "文件格式非法，只能导入单色位图";
inline constexpr const char* kLoadPictureFailed = "载入图片失败";
inline constexpr const char* kPictureTooLarge = "图片尺寸太大，无法载入!";
inline constexpr const char* kMousePosition = "鼠标[x=%1  y=%2]";

// Undo step names.
inline constexpr const char* kUndoInsert = "插入元件";
inline constexpr const char* kUndoMove = "移动";
inline constexpr const char* kUndoNudge = "微调";
inline constexpr const char* kUndoAlign = "对齐";
inline constexpr const char* kUndoDistribute = "等间隔";
inline constexpr const char* kUndoCentre = "居中";
inline constexpr const char* kUndoResize = "改变大小";
inline constexpr const char* kUndoFront = "置前";
inline constexpr const char* kUndoBack = "置后";
inline constexpr const char* kUndoDelete = "删除";
inline constexpr const char* kUndoCut = "剪切";
inline constexpr const char* kUndoPaste = "粘贴";
inline constexpr const char* kUndoLabels = "元件标签";
inline constexpr const char* kUndoSwapPorts = "交换串口";

// Screen commands.
inline constexpr const char* kNewScreen = "新建画面";
inline constexpr const char* kCopyScreen = "复制画面";
inline constexpr const char* kDeleteScreen = "删除画面";
inline constexpr const char* kScreenProperties = "画面属性";
inline constexpr const char* kScreenNumber = "画面号";
inline constexpr const char* kScreenDescription = "画面描述";
inline constexpr const char* kSystemScreen = "系统页面";
inline constexpr const char* kOverwriteScreen = "该画面号已存在，是否覆盖?";
inline constexpr const char* kCopyLabel = "复制";
inline constexpr const char* kCopyToLabel = "号画面到:";
inline constexpr const char* kNumberSuffix = "号画面";
inline constexpr const char* kUpKeyTarget = "按向上键至画面";
inline constexpr const char* kDownKeyTarget = "按向下键至画面";
inline constexpr const char* kUpKeyNote = "(0表示禁用上键)";
inline constexpr const char* kDownKeyNote = "(0表示禁用下键)";
inline constexpr const char* kUndoScreenProperties = "画面属性";

// Project tree.
inline constexpr const char* kTreeCommunication = "通讯设置";
inline constexpr const char* kTreeGlobalSettings = "全局设置";
inline constexpr const char* kTreeAlarmSettings = "报警设置";
inline constexpr const char* kTreeLanguageSettings = "语言设置";
inline constexpr const char* kTreeScreens = "画面";
inline constexpr const char* kTreeNew = "新建";
inline constexpr const char* kPortUnused = "(未使用)";
inline constexpr const char* kMenuCommunication = "通信";
inline constexpr const char* kMenuSwapPorts = "交换串口(&P)";
inline constexpr const char* kMenuFunctions = "功能";
inline constexpr const char* kMenuNewScreen = "新建画面(&N)";
inline constexpr const char* kMenuCopyScreen = "复制画面(&C)";
inline constexpr const char* kMenuDeleteScreen = "删除画面(&D)";
// Element tags of the tree, by kind code (8, the trend buffer, never shows).
inline constexpr const char* kTreeTags[11] = {"LED", "FK", "ST", "DT", "REG", "BAR", "TRD", "PIC", "", "ASC", "EV"};

} // namespace balsar::editor::texts
