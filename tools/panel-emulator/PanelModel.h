// A simulated text panel: the application/bootloader modes, the panel
// information, and erase/write/verify of the four region types, with fault
// injection. It works on whole request frames; the transports live in main.cpp.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace panelsim {

using Bytes = std::vector<uint8_t>;
using TimePoint = std::chrono::steady_clock::time_point;

struct Faults {
    int dropReply = 0;       // the N-th reply is not sent
    int corruptChecksum = 0; // the N-th reply carries a wrong checksum
    int noiseBefore = 0;     // noise bytes go out in front of the N-th reply
    int shortReply = 0;      // only the first 7 bytes of the N-th reply go out
    int failVerify = 0;      // the N-th region verification fails
    int slowRestartMs = 0;   // after each restart (into the bootloader or a new GUI) the panel is silent this long
};

struct Config {
    uint16_t model = 1;
    bool bootMode = false; // start in the bootloader instead of the application
    uint16_t guiVersion = 1;
    std::filesystem::path outDir;     // verified regions are written here when set
    bool replyLengthLowFirst = false; // USB replies carry the length low byte first
    bool announceEmulation = true;    // the panel information says the panel is simulated
    Faults faults;
};

// Region file names in the output folder.
std::string RegionFileName(uint8_t type, int driverIndex);

class PanelModel {
public:
    explicit PanelModel(Config config);

    // Handles one request frame (already checked by FrameIsValid) and returns the
    // bytes to send back, empty when nothing is sent.
    Bytes Handle(const Bytes& request, TimePoint now);

    // A request frame: 0x5A 0xA5, length low byte first equal to the frame size, checksum.
    static bool FrameIsValid(const Bytes& frame);

    bool ApplicationRunning() const { return m_application; }
    bool InDownloadMode() const { return m_downloadMode; }
    uint16_t GuiVersion() const { return m_guiVersion; }
    int RepliesProduced() const { return m_replies; }
    // Every request frame handled, in order.
    const std::vector<Bytes>& Requests() const { return m_requests; }
    // Verified regions by output file name.
    const std::map<std::string, Bytes>& Regions() const { return m_regions; }
    // One line per request received, restarting or not: the command, its
    // result and the mode the panel is in afterwards, for example
    // "EnterBootMode ok boot" or "GetPanelInfo silent boot".
    const std::vector<std::string>& Journal() const { return m_journal; }

private:
    Bytes Reply(uint8_t code, const Bytes& payload) const;
    Bytes Status(uint8_t code, bool ok) const { return Reply(code, {static_cast<uint8_t>(ok ? 1 : 0)}); }
    Bytes ApplyFaults(Bytes reply);
    bool KeyOk(const Bytes& request) const;
    Bytes Verify();
    void Restart(bool intoApplication, TimePoint now);
    void Record(uint8_t code, const Bytes& reply, bool silent);
    std::string ModeName() const;

    Config m_config;
    bool m_application;
    uint16_t m_guiVersion;
    bool m_downloadMode = false;
    std::optional<TimePoint> m_silentUntil;
    bool m_restartPending = false;
    int m_replies = 0;
    int m_verifies = 0;
    int m_driverIndex = 0;

    struct Region {
        uint8_t type = 0;
        uint16_t version = 0;
        uint32_t length = 0;
        uint32_t checksum = 0;
        uint16_t blocks = 0;
        uint16_t nextBlock = 0;
        Bytes data;
    };
    std::optional<Region> m_region;
    std::vector<Bytes> m_requests;
    std::vector<std::string> m_journal;
    std::map<std::string, Bytes> m_regions;
};

// Cuts a byte stream into request frames (serial transport). Bytes before a
// 0x5A 0xA5 pair and frames with a bad checksum are dropped.
class RequestSplitter {
public:
    std::vector<Bytes> Feed(const uint8_t* data, size_t size);

private:
    Bytes m_pending;
};

} // namespace panelsim
