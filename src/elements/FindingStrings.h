#pragma once
// The texts of the project check and of the problems a compile finds, in the
// designer's language. Kept in one place so they can be translated later.

namespace balsar::strings {

// Stable finding codes: scripts and the manual refer to them.
inline constexpr const char* kCodeFontFallback = "font-fallback";
inline constexpr const char* kCodeGlyphMissing = "glyph-missing";
inline constexpr const char* kCodeDotMatrixChar = "dot-matrix-char";
inline constexpr const char* kCodeTextTooLong = "text-too-long";
inline constexpr const char* kCodeOutsidePanel = "outside-panel";
inline constexpr const char* kCodeAddressUndefined = "address-undefined";
inline constexpr const char* kCodePortDisabled = "address-port-disabled";
inline constexpr const char* kCodeScreenMissing = "screen-missing";
inline constexpr const char* kCodeScreenDuplicate = "screen-duplicate";
inline constexpr const char* kCodeNoScreens = "no-screens";
inline constexpr const char* kCodeModelUnknown = "model-unknown";
inline constexpr const char* kCodeTransferNoTrigger = "transfer-no-trigger";
inline constexpr const char* kCodeImageTooLarge = "image-too-large";
inline constexpr const char* kCodeCapacityUnknown = "capacity-unknown";
inline constexpr const char* kCodeTooManyStates = "too-many-states";
inline constexpr const char* kCodeCompileMessage = "compile-message";

// Messages (printf formats).
inline constexpr const char* kFindFontFallback = "字体“%s”无法使用，已改用“%s”";
inline constexpr const char* kFindFontNone = "字体“%s”无法使用，且没有可替代的字体";
inline constexpr const char* kFindGlyphFallback = "字体“%s”中没有字符“%s”，已改用“%s”";
inline constexpr const char* kFindGlyphMissing = "字体“%s”中没有字符“%s”，面板上将显示“?”或空白";
inline constexpr const char* kFindDotMatrixChar = "点阵字库（及8号字）只有英文字符，字符“%s”将显示为“?”";
inline constexpr const char* kFindTextTooLong = "文本有%d个字符，超过255个，只编译前255个";
inline constexpr const char* kFindOutsidePanel = "元件(%d,%d)-(%d,%d)超出屏幕%dx%d，已截到屏幕边缘";
inline constexpr const char* kFindAddressUndefined = "地址“%s”的寄存器类型“%s”在COM%d的协议中没有定义，将编译为LW 0";
inline constexpr const char* kFindPortDisabled = "地址“%s”位于未启用的COM%d，将编译为LW 0";
inline constexpr const char* kFindScreenMissing = "画面%d不存在";
inline constexpr const char* kFindAlarmScreenMissing = "画面%d不存在，面板将使用画面%d";
inline constexpr const char* kFindScreenDuplicate = "画面编号%d重复";
inline constexpr const char* kFindNoScreens = "工程中没有画面";
inline constexpr const char* kFindModelUnknown = "面板型号%d不存在，无法确定屏幕尺寸与端口";
inline constexpr const char* kFindTransferNoTrigger = "未选择触发方式（定时触发或寄存器触发），该项永远不会执行";
inline constexpr const char* kFindImageTooLarge = "编译结果%u字节，超过面板可用空间%u字节";
inline constexpr const char* kFindCapacityUnknown = "无法计算面板可用空间：%s";
inline constexpr const char* kFindTooManyStates = "状态数超过上限，从状态%d起的状态未编译";

// Field names in places.
inline constexpr const char* kFieldText = "text";
inline constexpr const char* kFieldPosition = "position";
inline constexpr const char* kFieldAddress = "address";
inline constexpr const char* kFieldJump = "jump target";
inline constexpr const char* kFieldUpKey = "up key";
inline constexpr const char* kFieldDownKey = "down key";
inline constexpr const char* kFieldMessage = "message";
inline constexpr const char* kFieldDigits = "digits";
inline constexpr const char* kFieldModel = "model";
inline constexpr const char* kFieldTrigger = "trigger";
inline constexpr const char* kFieldImage = "image";
inline constexpr const char* kFieldNumber = "number";

// List names in places.
inline constexpr const char* kListSettings = "settings";
inline constexpr const char* kListEvents = "events";
inline constexpr const char* kListTransfers = "transfers";

} // namespace balsar::strings
