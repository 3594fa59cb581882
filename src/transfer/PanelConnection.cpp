#include "transfer/PanelConnection.h"

#include <cstring>

#include "base/ByteWriter.h"
#include "transfer/Frame.h"

namespace caldo {

std::vector<uint8_t> BuildGetPanelInfo() {
    return BuildFrame(kCmdGetPanelInfo, {});
}

std::vector<uint8_t> BuildKeyedCommand(uint8_t code) {
    const auto* key = reinterpret_cast<const uint8_t*>(kCommandKey);
    return BuildFrame(code, {key, sizeof kCommandKey - 1});
}

std::vector<uint8_t> BuildEraseRegion(uint8_t type, uint16_t blocks, uint32_t length, uint32_t checksum,
                                      uint16_t version) {
    std::vector<uint8_t> params;
    params.push_back(type);
    balsar::AppendBytes(params, version, 2);
    balsar::AppendBytes(params, length, 4);
    balsar::AppendBytes(params, checksum, 4);
    balsar::AppendBytes(params, blocks, 2);
    return BuildFrame(kCmdEraseRegion, params);
}

std::vector<uint8_t> BuildWriteBlock(uint16_t index, std::span<const uint8_t> data) {
    std::vector<uint8_t> params;
    params.reserve(data.size() + 2);
    balsar::AppendBytes(params, index, 2);
    balsar::AppendBytes(params, data.data(), data.size());
    return BuildFrame(kCmdWriteBlock, params);
}

std::vector<uint8_t> BuildVerifyRegion() {
    return BuildFrame(kCmdVerifyRegion, {});
}

bool IsModel1(uint16_t model) {
    return model == kPanelModel1 || model == kPanelModel1Alias;
}

bool IsKnownModel(uint16_t model) {
    return IsModel1(model) || model == kPanelModel2;
}

CPanelConnection::CPanelConnection(Clock& clock, LinkFactory factory)
    : m_clock(clock), m_factory(std::move(factory)) {}

CPanelConnection::~CPanelConnection() {
    Close();
}

bool CPanelConnection::Connect(const CLinkSettings& settings) {
    Close();
    m_link = m_factory ? m_factory(settings) : nullptr;
    if (!m_link) {
        return false;
    }
    if (!m_link->Open()) {
        Close();
        return false;
    }
    return true;
}

bool CPanelConnection::Close() {
    if (m_link) {
        m_link->Close();
        m_link.reset();
    }
    return true;
}

bool CPanelConnection::Exchange(const std::vector<uint8_t>& request, uint8_t code, size_t minReply,
                                bool statusTwoAccepted, std::chrono::milliseconds pause) {
    if (!m_link || request.empty()) {
        return false;
    }
    if (!m_link->Send(request.data(), request.size(), 1)) {
        return false;
    }
    if (pause.count() > 0) {
        m_clock.Sleep(pause);
    }
    std::memset(m_reply.data(), 0, m_reply.size());
    m_replyLength = 0;
    size_t received = 0;
    if (!m_link->Receive(m_reply.data(), m_reply.size(), 1, received)) {
        return false;
    }
    // A reply cut short (a serial read that stopped early) is judged only by the
    // bytes that arrived; fields it does not hold are never read.
    if (received < std::max<size_t>(minReply, 6) || received > m_reply.size()) {
        return false;
    }
    if (m_reply[4] != code) {
        return false;
    }
    m_replyLength = received;
    return m_reply[5] == 1 || (statusTwoAccepted && m_reply[5] == 2);
}

bool CPanelConnection::GetPanelInfo(PanelInfo& info) {
    if (!Exchange(BuildGetPanelInfo(), kCmdGetPanelInfo, kPanelInfoReplySize, true,
                  std::chrono::milliseconds(100))) {
        return false;
    }
    info.mode = m_reply[6];
    info.model = static_cast<uint16_t>(m_reply[10] | m_reply[11] << 8);
    info.guiVersion = static_cast<uint16_t>(m_reply[14] | m_reply[15] << 8);
    // The mark lies before the checksum, in bytes a real panel does not send.
    const size_t markLength = sizeof kEmulatedPanelMark - 1;
    info.emulated = m_replyLength > kEmulatedPanelMarkOffset + markLength &&
                    std::memcmp(&m_reply[kEmulatedPanelMarkOffset], kEmulatedPanelMark, markLength) == 0;
    return true;
}

bool CPanelConnection::KeyedExchange(uint8_t code) {
    return Exchange(BuildKeyedCommand(code), code, 6, false);
}

bool CPanelConnection::EnterDownloadMode() {
    return KeyedExchange(kCmdEnterDownloadMode);
}

bool CPanelConnection::EnterBootMode() {
    return KeyedExchange(kCmdEnterBootMode);
}

bool CPanelConnection::FinishDownload() {
    return KeyedExchange(kCmdFinishDownload);
}

bool CPanelConnection::EraseRegion(uint8_t type, uint16_t blocks, uint32_t length, uint32_t checksum,
                                   uint16_t version) {
    return Exchange(BuildEraseRegion(type, blocks, length, checksum, version), kCmdEraseRegion, 6, false);
}

bool CPanelConnection::WriteBlock(uint16_t index, std::span<const uint8_t> data) {
    return Exchange(BuildWriteBlock(index, data), kCmdWriteBlock, 6, false);
}

bool CPanelConnection::VerifyRegion() {
    return Exchange(BuildVerifyRegion(), kCmdVerifyRegion, 6, false);
}

} // namespace caldo
