#pragma once
// User-visible texts and diagnostics of the PLC module: protocol library,
// addresses, ports and the older device catalogue.

namespace balsar::texts {

inline constexpr const char* kPlcErrorLoadXml = "Error Load XML: %s";

// Keyword conversions of the protocol descriptions.
inline constexpr const char* kTransSerialType = "TransSerialType Error: %s";
inline constexpr const char* kTransBaudRate = "TransBaudRate Error: %s";
inline constexpr const char* kTransDataBit = "TransDataBit Error: %s";
inline constexpr const char* kTransStopBit = "TransStopBit Error: %s";
inline constexpr const char* kTransAddressWidth = "TransAddressWidth Error: %s";
inline constexpr const char* kTransDataMode = "TransDataMode Error: %s";
inline constexpr const char* kTransAddressMode = "TransAddressMode Error: %s";

// Register addresses.
inline constexpr const char* kRegIdNotSupported = "[CAddr::GetRegIdForRegPrm]Not support this register type: %s";
inline constexpr const char* kRegTypeNotSupported = "[CAddr::GetRegTypeForRegPrm]Not support this register type: %s";
inline constexpr const char* kLocalPortName = "LOCAL";

// Numeric edit.
inline constexpr const char* kInputOutOfRangeCaption = "输入越界";
inline constexpr const char* kInputOutOfRangeAllowed = "输入越界,可输入范围";

// Port pages.
inline constexpr const char* kPortNotUsed = "(未使用)";
inline constexpr const char* kParityNone = "无校验";
inline constexpr const char* kParityOdd = "奇校验";
inline constexpr const char* kParityEven = "偶校验";
inline constexpr const char* kSerialTypeError = "ERROR";

// Older device catalogue.
inline constexpr const char* kPlcFindCommu = "PLC find 'Commu' node failure!";
inline constexpr const char* kPlcStationMissing = "PLC 'Station' node can't find!";
inline constexpr const char* kPlcFindDisplay = "PLC find 'Display' node failure!";
inline constexpr const char* kPlcFindWires = "PLC find 'Wires' node failure!";
inline constexpr const char* kPlcFindAlarmList = "PLC find 'AlarmList' node failure!";
inline constexpr const char* kAddrTypeFindAddr = "PLCAddrType find 'Addr' node failure!";
inline constexpr const char* kAddrTypeFindSubAddr = "PLCAddrType find 'SubAddr' node failure!";

} // namespace balsar::texts
