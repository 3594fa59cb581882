// The command set of the panel over one link: each command is one request
// frame and one reply, never repeated.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "transfer/Clock.h"
#include "transfer/PanelInfo.h"
#include "transfer/RegionNames.h"
#include "transfer/TransferLink.h"

namespace caldo {

enum PanelCommand : uint8_t {
    kCmdGetPanelInfo = 0x01,
    kCmdEnterDownloadMode = 0x02,
    kCmdEnterBootMode = 0x04,
    kCmdFinishDownload = 0x05,
    kCmdEraseRegion = 0x10,
    kCmdWriteBlock = 0x11,
    kCmdVerifyRegion = 0x12,
};


inline constexpr size_t kReplyBufferSize = 5020;
inline constexpr size_t kPanelInfoReplySize = 16; // bytes up to the end of the GUI version
inline constexpr char kCommandKey[] = "ZemBra";   // parameter of the mode commands

// Request frames, built from their parameters.
std::vector<uint8_t> BuildGetPanelInfo();
std::vector<uint8_t> BuildKeyedCommand(uint8_t code);
std::vector<uint8_t> BuildEraseRegion(uint8_t type, uint16_t blocks, uint32_t length, uint32_t checksum,
                                      uint16_t version);
std::vector<uint8_t> BuildWriteBlock(uint16_t index, std::span<const uint8_t> data);
std::vector<uint8_t> BuildVerifyRegion();

class CPanelConnection {
public:
    explicit CPanelConnection(Clock& clock, LinkFactory factory = CreateLink);
    ~CPanelConnection();
    CPanelConnection(const CPanelConnection&) = delete;
    CPanelConnection& operator=(const CPanelConnection&) = delete;

    // Replaces any link held with a new one and opens it.
    bool Connect(const CLinkSettings& settings);
    bool GetPanelInfo(PanelInfo& info);
    bool EnterDownloadMode();
    bool EnterBootMode();
    bool FinishDownload();
    bool EraseRegion(uint8_t type, uint16_t blocks, uint32_t length, uint32_t checksum, uint16_t version);
    bool WriteBlock(uint16_t index, std::span<const uint8_t> data);
    bool VerifyRegion();
    // Closes and releases the link; always succeeds.
    bool Close();

    bool Connected() const { return m_link != nullptr; }
    int MaxPacketSize() const { return m_link ? m_link->MaxPacketSize() : 0; }

private:
    // Sends the request and receives a reply that answers code with an accepted
    // status and holds at least minReply bytes (m_replyLength tells how many).
    bool Exchange(const std::vector<uint8_t>& request, uint8_t code, size_t minReply, bool statusTwoAccepted,
                  std::chrono::milliseconds pause = {});
    // A mode command carrying the key, answered by a status reply.
    bool KeyedExchange(uint8_t code);

    Clock& m_clock;
    LinkFactory m_factory;
    std::unique_ptr<CTransferLink> m_link;
    std::array<uint8_t, kReplyBufferSize> m_reply{};
    size_t m_replyLength = 0;
};

} // namespace caldo
