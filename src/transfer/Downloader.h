// The download run of the transfer tools. The package is read and checked
// completely, and the panel's information read, before any command changes
// the panel's mode; then the GUI program is rewritten through the panel's
// bootloader when needed, and the user-data region and the driver sections
// are written. A failed run is reported once, with the file or link involved
// and the state the panel was left in.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/MessageSink.h"
#include "transfer/Clock.h"
#include "transfer/DownloadPlan.h"
#include "transfer/LinkSettings.h"
#include "transfer/PackageFile.h"
#include "transfer/PanelConnection.h"
#include "transfer/ProgressView.h"

namespace caldo {

struct DownloadOptions {
    std::filesystem::path packagePath;
    bool forceGuiUpdate = false;   // the "强制更新GUI" check box
    bool allowPlaceholder = false; // placeholder programs may go into a panel that is not emulated
    CLinkSettings link;
};

// The restart of the panel: a first wait, then attempts to reach it until the
// whole time is up.
inline constexpr std::chrono::milliseconds kRestartWait{3000};
inline constexpr std::chrono::milliseconds kReconnectPause{100};
inline constexpr int kReconnectAttempts = 99;

// Where a run left the panel.
enum class PanelState {
    Untouched,        // no command that changes the mode took effect
    Unknown,          // a request for the bootloader went unanswered
    BootIntact,       // in the bootloader, the GUI program not erased
    BootNoGui,        // in the bootloader, the GUI program erased or incomplete
    GuiNoAnswer,      // the GUI program written, the panel silent after its restart
    AppIntact,        // back in the application, the project not erased
    AppIncomplete,    // back in the application, the project incomplete
    DownloadNoAnswer, // possibly still in download mode, not answering
    Done,             // everything written and verified
};

// What a message says about the state, empty for Done.
std::string PanelStateText(PanelState state);

// Number of blocks of payload bytes each needed for length bytes.
uint32_t BlockCount(uint32_t length, uint32_t payload);

class CDownloader {
public:
    CDownloader(DownloadOptions options, ProgressView& progress, balsar::MessageSink& messages, Clock& clock,
                LinkFactory factory = CreateLink);

    // The whole run; true only when every region was written and verified.
    bool RunDownload();
    // After the panel was told to restart: waits 3000 ms, then connects and
    // asks for the panel information until the panel answers, at most 99
    // times, 100 ms apart, within 3000 + 99 x 100 ms on the clock.
    bool Reconnect(CPanelConnection& connection, PanelInfo& info);

    // Data bytes the panel accepted in the last run.
    uint64_t BytesWritten() const { return m_bytesWritten; }
    PanelState FinalState() const { return m_state; }

private:
    struct Outcome {
        bool ok = true;
        std::string message;
    };
    static Outcome Failed(std::string message) { return {false, std::move(message)}; }

    Outcome LoadPackage(CPackageFile& package);
    Outcome Session(CPanelConnection& connection, const CPackageFile& package);
    Outcome UpdateGui(CPanelConnection& connection, const CPackageFile& package, const DownloadPlan& plan,
                      PanelInfo& info);
    Outcome WriteProject(CPanelConnection& connection, const CPackageFile& package);
    // Erases, writes and verifies one region over an open connection.
    Outcome WriteRegion(CPanelConnection& connection, const CPackageFile& package, uint8_t type,
                        const RegionDescriptor& region);
    // Whether every region the plan writes fits the link's 16-bit block count.
    bool RegionsFitLink(const CPanelConnection& connection, const CPackageFile& package,
                        const DownloadPlan& plan) const;
    // After a failure in download mode: ends the session with the finish
    // command where the link still carries it, and records the state.
    void EndSession(CPanelConnection& connection);
    // A message followed by the line that names the link.
    std::string WithLink(const char* message) const;

    DownloadOptions m_options;
    ProgressView& m_progress;
    balsar::MessageSink& m_messages;
    Clock& m_clock;
    LinkFactory m_factory;
    PanelState m_state = PanelState::Untouched;
    bool m_panelAnswered = false;
    bool m_downloadModeSent = false; // a download mode may be active
    bool m_projectErased = false;    // an application region was erased
    uint64_t m_bytesWritten = 0;
};

} // namespace caldo
