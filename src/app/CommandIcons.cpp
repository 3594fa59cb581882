#include "app/CommandIcons.h"

#include <algorithm>
#include <iterator>

#include "app/CommandTable.h"
#include "icons/SuiteIcons.h"

namespace balsar::app {

using namespace ids;

namespace {

constexpr CommandIconNames kIcons[] = {
    {kNewProject, "document-new", "actions/balsar-new-project"},
    {kOpenProject, "document-open", "actions/balsar-open-project"},
    {kCloseProject, "window-close", "actions/balsar-close-project"},
    {kSaveProject, "document-save", "actions/balsar-save-project"},
    {kSaveProjectAs, "document-save-as", "actions/balsar-save-project-as"},
    {kExit, "application-exit", "actions/balsar-exit"},
    {kLegacyImport, "document-import", "actions/balsar-import"},
    {kUndo, "edit-undo", "actions/balsar-undo"},
    {kRedo, "edit-redo", "actions/balsar-redo"},
    {kCut, "edit-cut", "actions/balsar-cut"},
    {kCopy, "edit-copy", "actions/balsar-copy"},
    {kPaste, "edit-paste", "actions/balsar-paste"},
    {kDelete, "edit-delete", "actions/balsar-delete"},
    {kSelectAll, "edit-select-all", "actions/balsar-select-all"},
    {kSelectNone, "edit-clear", "actions/balsar-select-none"},
    // Ordering and alignment have no standard names: our pictures match
    // each other better than a partly themed set would.
    {kBringForward, "", "actions/balsar-bring-forward"},
    {kSendBack, "", "actions/balsar-send-back"},
    {kNudgeLeft, "go-previous", "actions/balsar-nudge-left"},
    {kNudgeRight, "go-next", "actions/balsar-nudge-right"},
    {kNudgeUp, "go-up", "actions/balsar-nudge-up"},
    {kNudgeDown, "go-down", "actions/balsar-nudge-down"},
    {kAlignLeft, "", "actions/balsar-align-left"},
    {kAlignHCentre, "", "actions/balsar-align-hcentre"},
    {kAlignRight, "", "actions/balsar-align-right"},
    {kAlignTop, "", "actions/balsar-align-top"},
    {kAlignVCentre, "", "actions/balsar-align-vcentre"},
    {kAlignBottom, "", "actions/balsar-align-bottom"},
    {kSpaceHorizontal, "", "actions/balsar-space-horizontal"},
    {kSpaceVertical, "", "actions/balsar-space-vertical"},
    {kCentreHorizontal, "", "actions/balsar-centre-horizontal"},
    {kCentreVertical, "", "actions/balsar-centre-vertical"},
    {kCentreBoth, "", "actions/balsar-centre-both"},
    {kNewScreen, "", "actions/balsar-new-screen"},
    {kCopyScreen, "", "actions/balsar-copy-screen"},
    {kDeleteScreen, "", "actions/balsar-delete-screen"},
    {kScreenProperties, "", "actions/balsar-screen-properties"},
    {kToolLed, "", "elements/balsar-element-lamp"},
    {kToolFuncKey, "", "elements/balsar-element-function-key"},
    {kToolStaticText, "", "elements/balsar-element-static-text"},
    {kToolDynamicText, "", "elements/balsar-element-dynamic-text"},
    {kToolRegister, "", "elements/balsar-element-register"},
    {kToolBar, "", "elements/balsar-element-bar-graph"},
    {kToolTrend, "", "elements/balsar-element-trend-graph"},
    {kToolPicture, "", "elements/balsar-element-picture"},
    {kToolAscii, "", "elements/balsar-element-ascii-string"},
    {kToolEventList, "", "elements/balsar-element-event-list"},
    {kLabels, "", "actions/balsar-element-labels"},
    {kGlobalSettings, "preferences-system", "actions/balsar-global-settings"},
    {kAlarmSettings, "", "actions/balsar-alarm-settings"},
    {kLanguageSettings, "preferences-desktop-locale", "actions/balsar-language-settings"},
    {kDataTransfer, "", "actions/balsar-data-transfer"},
    {kCommunication, "", "actions/balsar-communication"},
    {kSwapPorts, "", "actions/balsar-swap-ports"},
    {kOfflineSimulation, "", "actions/balsar-offline-simulation"},
    {kDownload, "", "actions/balsar-download"},
    {kSimulator, "", "actions/balsar-simulator"},
    {kUploadDownload, "", "actions/balsar-upload-download"},
    {kToolbarCommand3, "", "actions/balsar-tool-3"},
    {kToolbarCommand4, "", "actions/balsar-tool-4"},
    {kHiddenCommand, "", "actions/balsar-serial-port-options"},
    {kManual, "help-contents", "actions/balsar-manual"},
    {kAbout, "help-about", "actions/balsar-about"},
    {kNextPane, "", "actions/balsar-next-pane"},
    {kPrevPane, "", "actions/balsar-previous-pane"},
};

} // namespace

const CommandIconNames* FindCommandIcon(int id) {
    const auto it = std::find_if(std::begin(kIcons), std::end(kIcons),
                                 [id](const CommandIconNames& names) { return names.id == id; });
    return it == std::end(kIcons) ? nullptr : &*it;
}

QIcon CommandIcon(int id) {
    const CommandIconNames* names = FindCommandIcon(id);
    return names == nullptr ? QIcon() : icons::Themed(names->theme, names->fallback);
}

} // namespace balsar::app
