#pragma once
// The simulators' own texts: usage, messages and the window's labels.
namespace balsar::simulator::texts {

inline constexpr const char* kVirurUsage =
    "usage: VIRur MODEL_ID IMAGE ENCODER PICTURE\n"
    "       VIRur --render OUTDIR IMAGE [--set REG=VALUE ...] [--press KEY ...]\n"
    "\n"
    "The offline simulator: runs a download image (the compile output) on the\n"
    "front of panel model MODEL_ID (picture PICTURE from lib/hardware; ENCODER 1\n"
    "when the model has a rotary encoder). The registers of the current screen\n"
    "are listed beside the panel and can be edited.\n"
    "\n"
    "--render writes one PNG per screen (screen-<number>.png, one pixel per\n"
    "panel pixel, lit black) into OUTDIR after the register values and key\n"
    "presses, in the order given. REG: LW12, RW300, LW12.A (bit in hex) or\n"
    "port:station:register id:address[:bit|:word|:dword]; VALUE: an integer\n"
    "(0x.. for hexadecimal). KEY: F1..F15, UP, DOWN, LEFT, RIGHT, ENT, ESC,\n"
    "0..9 or KEY<code>.\n";

inline constexpr const char* kMirloSpyUsage =
    "usage: MirloSpy -o -f IMAGE\n"
    "       MirloSpy --poll-once IMAGE (--tcp HOST:PORT | --serial DEVICE) [--render OUTDIR]\n"
    "\n"
    "The online simulator: runs a download image with its PLC registers read\n"
    "and written through Modbus TCP or Modbus RTU (master), with the image's\n"
    "port settings (station, timeout, pause between requests, retries).\n"
    "The link is chosen in the window and remembered.\n"
    "\n"
    "--poll-once reads every PLC register the initial screen uses once, prints\n"
    "'<port> <register type> <address> = <value>' per register, and with\n"
    "--render writes the screens as 'VIRur --render' does. Exit 1 with the\n"
    "communication error when the PLC does not answer.\n";

inline constexpr const char* kMalformedImage = "%s: %s";
inline constexpr const char* kBadRegister =
    "--set %s: not a register (LW12, RW300, LW12.A, port:station:id:address)";
inline constexpr const char* kBadValue = "--set %s: not an integer value";
inline constexpr const char* kBadKey =
    "--press %s: no such key (F1..F15, UP, DOWN, LEFT, RIGHT, ENT, ESC, 0..9, KEY<code>)";
inline constexpr const char* kCannotWrite = "cannot write %s: %s";
inline constexpr const char* kNoDevice = "the image uses no PLC register on its initial screen";

// Window.
inline constexpr const char* kOfflineTitle = "VIRur - %s";
inline constexpr const char* kOnlineTitle = "MirloSpy - %s";
inline constexpr const char* kRegisterHeader[3] = {"寄存器", "元件", "值"};
inline constexpr const char* kLinkTcp = "Modbus TCP";
inline constexpr const char* kLinkSerial = "Modbus RTU";
inline constexpr const char* kConnect = "连接";
inline constexpr const char* kDisconnect = "断开";
inline constexpr const char* kOffline = "离线";
inline constexpr const char* kConnected = "已连接: %s";
inline constexpr const char* kCutOff = "%s 已切断 (重试次数用完)";
inline constexpr const char* kScreen = "画面 %d";
inline constexpr const char* kEditing = "输入: %s";
inline constexpr const char* kLevel = "密码等级 %d";
inline constexpr const char* kBuzzer = "蜂鸣";
inline constexpr const char* kNoModel = "panel model %d not found in lib/hardware: a plain front is shown";
inline constexpr const char* kNoPicture = "front picture %s not found: a plain front is shown";

} // namespace balsar::simulator::texts
