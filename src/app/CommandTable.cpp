#include "app/CommandTable.h"

#include <algorithm>

namespace balsar::app {

using namespace ids;

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> table = {
        {kNewProject, "新建工程(&N)", "Ctrl+N", Menu::Project, Bar::Main},
        {kOpenProject, "打开工程(&O)...", "Ctrl+O", Menu::Project, Bar::Main},
        {kCloseProject, "关闭工程(&E)", "Ctrl+E", Menu::Project, Bar::None},
        {kSaveProject, "保存工程(&S)", "Ctrl+S", Menu::Project, Bar::Main},
        {kSaveProjectAs, "工程另存为(&A)", "", Menu::Project, Bar::None},
        {kExit, "退出(&X)", "", Menu::Project, Bar::None},
        {kLegacyImport, "导入旧工程", "Ctrl+Shift+H", Menu::None, Bar::None},
        {kUndo, "撤销(&U)", "Ctrl+Z;Alt+Backspace", Menu::Edit, Bar::None},
        {kRedo, "重做(&R)", "Ctrl+Y;Ctrl+Shift+Z", Menu::Edit, Bar::None},
        {kCut, "剪切(&T)", "Ctrl+X;Shift+Del", Menu::Edit, Bar::Main, true},
        {kCopy, "复制(&C)", "Ctrl+C;Ctrl+Ins", Menu::Edit, Bar::Main},
        {kPaste, "粘贴(&P)", "Ctrl+V;Shift+Ins", Menu::Edit, Bar::Main},
        {kDelete, "删除(&D)", "Ctrl+D", Menu::Edit, Bar::Main},
        {kSelectAll, "全选(&A)", "Ctrl+A", Menu::Edit, Bar::None},
        {kSelectNone, "全不选(&E)", "Esc", Menu::Edit, Bar::None},
        {kBringForward, "置前", "Ctrl+L", Menu::Arrange, Bar::Align},
        {kSendBack, "置后", "", Menu::Arrange, Bar::Align},
        {kNudgeLeft, "左移", "", Menu::Arrange, Bar::Align, true},
        {kNudgeRight, "右移", "", Menu::Arrange, Bar::Align},
        {kNudgeUp, "上移", "", Menu::Arrange, Bar::Align},
        {kNudgeDown, "下移", "", Menu::Arrange, Bar::Align},
        {kAlignLeft, "左对齐", "", Menu::Arrange, Bar::Align, true},
        {kAlignHCentre, "中间对齐", "", Menu::Arrange, Bar::Align},
        {kAlignRight, "右对齐", "", Menu::Arrange, Bar::Align},
        {kAlignTop, "上对齐", "", Menu::Arrange, Bar::Align},
        {kAlignVCentre, "中间对齐", "", Menu::Arrange, Bar::Align},
        {kAlignBottom, "下对齐", "", Menu::Arrange, Bar::Align},
        {kSpaceHorizontal, "水平等间隔", "", Menu::Arrange, Bar::Align, true},
        {kSpaceVertical, "垂直等间隔", "", Menu::Arrange, Bar::Align},
        {kCentreHorizontal, "水平居中", "", Menu::Arrange, Bar::Align, true},
        {kCentreVertical, "垂直居中", "", Menu::Arrange, Bar::Align},
        {kCentreBoth, "水平和垂直均居中", "", Menu::Arrange, Bar::Align},
        {kNewScreen, "新建画面", "", Menu::Screen, Bar::Main, true},
        {kCopyScreen, "复制画面", "", Menu::Screen, Bar::Main},
        {kDeleteScreen, "删除画面", "", Menu::Screen, Bar::Main},
        {kScreenProperties, "画面属性(&R)...", "", Menu::Screen, Bar::None},
        {kToolLed, "指示灯", "", Menu::Elements, Bar::Main, true},
        {kToolFuncKey, "功能键", "", Menu::Elements, Bar::Main},
        {kToolStaticText, "静态文本", "", Menu::Elements, Bar::Main},
        {kToolDynamicText, "动态文本", "", Menu::Elements, Bar::Main},
        {kToolRegister, "数值元件", "", Menu::Elements, Bar::Main},
        {kToolBar, "棒状图", "", Menu::Elements, Bar::Main},
        {kToolTrend, "趋势图", "", Menu::Elements, Bar::Main},
        {kToolPicture, "图片", "", Menu::Elements, Bar::Main},
        {kToolAscii, "ASCII字串", "", Menu::Elements, Bar::Main},
        {kToolEventList, "事件显示元件", "", Menu::Elements, Bar::Main},
        {kLabels, "元件标签(&V)", "", Menu::Elements, Bar::Main, true},
        {kGlobalSettings, "全局设置(&S)", "", Menu::Settings, Bar::Main, true},
        {kAlarmSettings, "报警设置(&E)", "", Menu::Settings, Bar::Main},
        {kLanguageSettings, "语言设置(&L)", "", Menu::Settings, Bar::Main},
        {kDataTransfer, "数据传输设置(&T)", "", Menu::Settings, Bar::Main},
        {kCommunication, "通讯设置(&C)", "Ctrl+P", Menu::Settings, Bar::Main},
        {kSwapPorts, "交换串口(&P)", "", Menu::Settings, Bar::Main},
        {kOfflineSimulation, "离线模拟(&S)", "", Menu::Tools, Bar::Main, true},
        {kDownload, "下载(&D)", "Alt+D", Menu::Tools, Bar::Main},
        {kSimulator, "模拟器", "Alt+C", Menu::Tools, Bar::Tools},
        {kUploadDownload, "上传/下载", "Ctrl+U;Alt+U", Menu::Tools, Bar::Tools},
        {kToolbarCommand3, "工具3", "", Menu::None, Bar::Tools},
        {kToolbarCommand4, "工具4", "", Menu::None, Bar::Tools},
        {kHiddenCommand, "工具5", "Ctrl+H;Ctrl+Q", Menu::None, Bar::None},
        {kManual, "使用手册(&M)", "", Menu::Help, Bar::None},
        {kAbout, "关于 Balsar(&A)...", "", Menu::Help, Bar::None},
        {kNextPane, "下一窗格", "F6", Menu::None, Bar::None},
        {kPrevPane, "上一窗格", "Shift+F6", Menu::None, Bar::None},
    };
    return table;
}

const CommandSpec* FindCommand(int id) {
    const auto& table = CommandTable();
    const auto it = std::find_if(table.begin(), table.end(), [id](const CommandSpec& c) { return c.id == id; });
    return it == table.end() ? nullptr : &*it;
}

int ToolCodeOf(int id) {
    static constexpr int kTools[][2] = {{kToolLed, 0},     {kToolFuncKey, 1}, {kToolStaticText, 2}, {kToolDynamicText, 3},
                                        {kToolRegister, 4}, {kToolBar, 5},     {kToolTrend, 6},      {kToolPicture, 7},
                                        {kToolAscii, 9},    {kToolEventList, 10}};
    for (const auto& entry : kTools) {
        if (entry[0] == id) {
            return entry[1];
        }
    }
    return -1;
}

} // namespace balsar::app
