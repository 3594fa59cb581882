#pragma once
// The designer's command table: every command with its identifier, menu
// text, keys, the menu it sits in and its place on a toolbar. The main
// window builds its menus, toolbars and shortcuts from this table.
#include <vector>

namespace balsar::app {

enum class Menu { Project, Edit, Arrange, Screen, Elements, Settings, Tools, Help, None };
enum class Bar { None, Main, Align, Tools };

struct CommandSpec {
    int id;
    const char* text;
    // Key sequences separated by ";" in portable text form.
    const char* keys;
    Menu menu;
    Bar bar;
    // A separator goes on the toolbar before this command.
    bool separatorBefore = false;
};

namespace ids {
inline constexpr int kNewProject = 2;
inline constexpr int kOpenProject = 32794;
inline constexpr int kCloseProject = 32826;
inline constexpr int kSaveProject = 32793;
inline constexpr int kSaveProjectAs = 32792;
inline constexpr int kRecentFirst = 32845;
inline constexpr int kExit = 57665;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kDelete = 32805;
inline constexpr int kSelectAll = 57642;
inline constexpr int kSelectNone = 32863;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kBringForward = 32797;
inline constexpr int kSendBack = 32798;
inline constexpr int kAlignLeft = 32808;
inline constexpr int kAlignHCentre = 32809;
inline constexpr int kAlignRight = 32810;
inline constexpr int kAlignTop = 32811;
inline constexpr int kAlignVCentre = 32812;
inline constexpr int kAlignBottom = 32813;
inline constexpr int kSpaceHorizontal = 32815;
inline constexpr int kSpaceVertical = 32816;
inline constexpr int kCentreHorizontal = 32822;
inline constexpr int kCentreVertical = 32823;
inline constexpr int kCentreBoth = 32824;
inline constexpr int kNudgeLeft = 32784;
inline constexpr int kNudgeRight = 32785;
inline constexpr int kNudgeUp = 32825;
inline constexpr int kNudgeDown = 32827;
inline constexpr int kNewScreen = 32801;
inline constexpr int kCopyScreen = 32802;
inline constexpr int kDeleteScreen = 32803;
inline constexpr int kToolLed = 32719;
inline constexpr int kToolFuncKey = 32720;
inline constexpr int kToolStaticText = 32777;
inline constexpr int kToolDynamicText = 32799;
inline constexpr int kToolRegister = 32800;
inline constexpr int kToolBar = 32780;
inline constexpr int kToolTrend = 32781;
inline constexpr int kToolPicture = 32804;
inline constexpr int kToolAscii = 32857;
inline constexpr int kToolEventList = 32860;
inline constexpr int kLabels = 32834;
inline constexpr int kGlobalSettings = 32786;
inline constexpr int kAlarmSettings = 32787;
inline constexpr int kLanguageSettings = 32783;
inline constexpr int kDataTransfer = 32869;
inline constexpr int kCommunication = 32795;
inline constexpr int kSwapPorts = 32865;
inline constexpr int kOfflineSimulation = 32864;
inline constexpr int kDownload = 32788;
inline constexpr int kSimulator = 32831;
inline constexpr int kUploadDownload = 32832;
inline constexpr int kToolbarCommand3 = 32838;
inline constexpr int kToolbarCommand4 = 32853;
inline constexpr int kHiddenCommand = 32796;
inline constexpr int kManual = 32866;
inline constexpr int kAbout = 57664;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kLegacyImport = 40001;
inline constexpr int kScreenProperties = 40002;
} // namespace ids

// Every command, in menu order.
const std::vector<CommandSpec>& CommandTable();
// The entry of an identifier; null when there is none.
const CommandSpec* FindCommand(int id);
// The insert tool code of an element command; -1 for other commands.
int ToolCodeOf(int id);

} // namespace balsar::app
