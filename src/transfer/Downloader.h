// The download run of the transfer tools: the optional GUI update through the
// panel's bootloader, the project-size check and the writing of the user-data
// region and the driver sections. Every routine reports its own messages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/MessageSink.h"
#include "transfer/Clock.h"
#include "transfer/LinkSettings.h"
#include "transfer/PackageFile.h"
#include "transfer/PanelConnection.h"
#include "transfer/ProgressView.h"

namespace caldo {

struct DownloadOptions {
    std::filesystem::path packagePath;
    bool forceGuiUpdate = false; // the "强制更新GUI" check box
    CLinkSettings link;
};

inline constexpr std::chrono::milliseconds kRestartWait{3000};
inline constexpr std::chrono::milliseconds kReconnectPause{100};
inline constexpr int kReconnectAttempts = 99;

bool IsKnownModel(uint16_t model);
bool IsModel1(uint16_t model);

// Whether a run rewrites the GUI program: unless forced, a panel running its
// application with a GUI at least as new as the package's is left alone.
bool NeedsGuiUpdate(bool force, uint8_t mode, uint16_t panelGuiVersion, uint16_t packageGuiVersion);

// Whether user data of length u fits beside a GUI program of length g on a known
// model. Computed without overflow for any 32-bit lengths.
bool ProjectFits(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent);

// The name of a region type (1..4), or nullptr.
const char* RegionName(uint8_t type);

// Number of blocks of payload bytes each needed for length bytes.
uint32_t BlockCount(uint32_t length, uint32_t payload);

class CDownloader {
public:
    CDownloader(DownloadOptions options, ProgressView& progress, balsar::MessageSink& messages, Clock& clock,
                LinkFactory factory = CreateLink);

    // The whole run; true only when every region was written and verified.
    bool RunDownload();
    // Rewrites the GUI program through the bootloader.
    bool UpdateGui();
    // Erases, writes and verifies one region of the package over an open connection.
    bool WriteRegion(CPanelConnection& connection, const CPackageFile& package, uint8_t type,
                     const RegionDescriptor& region);
    // The GUI version the package carries for a model, 0 when unavailable.
    uint16_t PackageGuiVersion(uint16_t model);
    // The size check with its message for an unknown model.
    bool CheckProjectSize(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent);
    // Waits for the panel to restart and connects again (99 attempts).
    bool Reconnect(CPanelConnection& connection);

private:
    // How the steps on one connection ended. The message of a failure is shown
    // once the connection is closed; it is null when the failing step has told
    // the user itself.
    struct Outcome {
        bool ok = true;
        const char* message = nullptr;
    };
    static Outcome Failed(const char* message = nullptr) { return {false, message}; }

    // Runs steps on a connection of their own. The connection's destructor closes
    // its link exactly once, whichever way the steps end, before their message.
    bool OnOwnConnection(Outcome (CDownloader::*steps)(CPanelConnection&));
    Outcome UpdateGuiSteps(CPanelConnection& connection);
    Outcome DownloadSteps(CPanelConnection& connection);
    // Connects and reads the panel information: the start of a run and of a GUI update.
    Outcome ConnectAndReadInfo(CPanelConnection& connection, PanelInfo& info);
    // Waits for the panel to restart, connects again and reads its information.
    Outcome ReconnectAndReadInfo(CPanelConnection& connection, PanelInfo& info);

    void Fail(const std::string& text) { m_messages.Message(text, balsar::MessageKind::Error); }
    // Loads and checks the package; reports "打开文件失败！" or "下载包文件已损坏！".
    bool LoadPackage(CPackageFile& package);

    DownloadOptions m_options;
    ProgressView& m_progress;
    balsar::MessageSink& m_messages;
    Clock& m_clock;
    LinkFactory m_factory;
};

} // namespace caldo
