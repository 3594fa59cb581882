#include "PanelModel.h"

#include <cstring>
#include <fstream>

#include "base/ByteWriter.h"

namespace panelsim {

namespace {

constexpr uint8_t kGetInfo = 0x01, kEnterDownload = 0x02, kEnterBoot = 0x04, kFinish = 0x05, kErase = 0x10,
                  kWrite = 0x11, kVerify = 0x12;
constexpr char kKey[] = "ZemBra";
// Bytes 16.. of the panel information of a simulated panel.
constexpr char kEmulatedMark[] = "EMULATED";

uint8_t Sum8(const uint8_t* p, size_t n) {
    uint8_t s = 0;
    for (size_t i = 0; i < n; ++i) {
        s = static_cast<uint8_t>(s + p[i]);
    }
    return s;
}

uint16_t Le16(const Bytes& b, size_t at) {
    return static_cast<uint16_t>(balsar::ReadAt(b, at, 2));
}

uint32_t Le32(const Bytes& b, size_t at) {
    return balsar::ReadAt(b, at, 4);
}

} // namespace

std::string RegionFileName(uint8_t type, int driverIndex) {
    switch (type) {
    case 1:
        return "gui.bin";
    case 2:
        return "userdata.bin";
    case 3:
        return "driver0.bin";
    default:
        return "driver1_" + std::to_string(driverIndex) + ".bin";
    }
}

PanelModel::PanelModel(Config config)
    : m_config(std::move(config)), m_application(!m_config.bootMode), m_guiVersion(m_config.guiVersion) {}

bool PanelModel::FrameIsValid(const Bytes& f) {
    if (f.size() < 6 || f[0] != 0x5A || f[1] != 0xA5) {
        return false;
    }
    if (static_cast<size_t>(f[2] | f[3] << 8) != f.size()) {
        return false;
    }
    return Sum8(f.data(), f.size() - 1) == f.back();
}

Bytes PanelModel::Reply(uint8_t code, const Bytes& payload) const {
    const size_t total = payload.size() + 6;
    const uint8_t high = static_cast<uint8_t>(total >> 8), low = static_cast<uint8_t>(total);
    Bytes r;
    r.reserve(total);
    r.push_back(0x5A);
    r.push_back(0xA5);
    r.push_back(m_config.replyLengthLowFirst ? low : high);
    r.push_back(m_config.replyLengthLowFirst ? high : low);
    r.push_back(code);
    for (uint8_t b : payload) {
        r.push_back(b);
    }
    r.push_back(Sum8(r.data(), r.size()));
    return r;
}

bool PanelModel::KeyOk(const Bytes& q) const {
    return q.size() == 12 && std::memcmp(q.data() + 5, kKey, 6) == 0;
}

void PanelModel::Restart(bool intoApplication, TimePoint now) {
    m_application = intoApplication;
    m_downloadMode = false;
    m_region.reset();
    if (m_config.faults.slowRestartMs > 0) {
        m_silentUntil = now + std::chrono::milliseconds(m_config.faults.slowRestartMs);
    }
}

std::string PanelModel::ModeName() const {
    std::string mode = m_application ? "app" : "boot";
    return m_downloadMode ? mode + "-download" : mode;
}

void PanelModel::Record(uint8_t code, const Bytes& reply, bool silent) {
    static const std::map<uint8_t, std::string> names{
        {kGetInfo, "GetPanelInfo"}, {kEnterDownload, "EnterDownloadMode"}, {kEnterBoot, "EnterBootMode"},
        {kFinish, "FinishDownload"}, {kErase, "EraseRegion"},           {kWrite, "WriteBlock"},
        {kVerify, "VerifyRegion"}};
    const auto name = names.find(code);
    std::string line = name != names.end() ? name->second : "Unknown(" + std::to_string(code) + ")";
    // The status byte of the reply before any fault was applied.
    line += silent ? " silent " : (reply.size() > 5 && reply[5] != 0 ? " ok " : " refused ");
    m_journal.push_back(line + ModeName());
}

Bytes PanelModel::ApplyFaults(Bytes reply) {
    const int n = ++m_replies;
    const Faults& f = m_config.faults;
    if (n == f.dropReply) {
        return {};
    }
    if (n == f.corruptChecksum) {
        reply.back() = static_cast<uint8_t>(reply.back() ^ 0x5A);
    }
    if (n == f.shortReply && reply.size() > 7) {
        reply.resize(7);
    }
    if (n == f.noiseBefore) {
        // Stray bytes, including a 0x5A that is not followed by 0xA5.
        const Bytes noise{0x00, 0xFF, 0x5A, 0x13, 0xA5, 0x42};
        reply.insert(reply.begin(), noise.begin(), noise.end());
    }
    return reply;
}

Bytes PanelModel::Verify() {
    ++m_verifies;
    if (!m_region) {
        return Status(kVerify, false);
    }
    const Region& r = *m_region;
    uint32_t sum = 0;
    for (uint8_t b : r.data) {
        sum += b;
    }
    const bool ok = m_verifies != m_config.faults.failVerify && r.data.size() == r.length &&
                    sum == r.checksum && r.nextBlock == r.blocks;
    if (ok) {
        const std::string name = RegionFileName(r.type, r.type == 4 ? m_driverIndex++ : 0);
        m_regions[name] = r.data;
        if (!m_config.outDir.empty()) {
            std::ofstream out(m_config.outDir / name, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(r.data.data()),
                      static_cast<std::streamsize>(r.data.size()));
        }
        if (r.type == 1) {
            m_guiVersion = r.version;
            m_restartPending = true; // the new GUI program starts after this reply
        }
    }
    m_region.reset();
    return Status(kVerify, ok);
}

Bytes PanelModel::Handle(const Bytes& q, TimePoint now) {
    if (m_silentUntil && now < *m_silentUntil) {
        Record(q[4], {}, true);
        return {}; // still restarting
    }
    m_silentUntil.reset();
    m_requests.push_back(q);
    const uint8_t code = q[4];
    Bytes reply;
    switch (code) {
    case kGetInfo: {
        Bytes p{1, static_cast<uint8_t>(m_application ? 1 : 0), 0, 0, 0};
        p.push_back(static_cast<uint8_t>(m_config.model));
        p.push_back(static_cast<uint8_t>(m_config.model >> 8));
        p.push_back(0);
        p.push_back(0);
        p.push_back(static_cast<uint8_t>(m_guiVersion));
        p.push_back(static_cast<uint8_t>(m_guiVersion >> 8));
        if (m_config.announceEmulation) {
            p.insert(p.end(), kEmulatedMark, kEmulatedMark + sizeof kEmulatedMark - 1);
        }
        reply = Reply(kGetInfo, p);
        break;
    }
    case kEnterDownload:
        if (KeyOk(q)) {
            m_downloadMode = true;
            m_driverIndex = 0;
        }
        reply = Status(code, KeyOk(q));
        break;
    case kEnterBoot: {
        const bool ok = KeyOk(q);
        reply = Status(code, ok);
        if (ok && m_application) {
            Restart(false, now);
        }
        break;
    }
    case kFinish:
        if (KeyOk(q)) {
            m_downloadMode = false;
        }
        reply = Status(code, KeyOk(q));
        break;
    case kErase: {
        bool ok = m_downloadMode && q.size() == 19;
        if (ok) {
            Region r;
            r.type = q[5];
            r.version = Le16(q, 6);
            r.length = Le32(q, 8);
            r.checksum = Le32(q, 12);
            r.blocks = Le16(q, 16);
            // The GUI program is written by the bootloader, everything else by the application.
            ok = r.type >= 1 && r.type <= 4 && (r.type == 1) == !m_application;
            if (ok) {
                m_region = r;
            }
        }
        reply = Status(code, ok);
        break;
    }
    case kWrite: {
        bool ok = m_region.has_value() && q.size() >= 8;
        if (ok) {
            Region& r = *m_region;
            const uint16_t index = Le16(q, 5);
            const size_t n = q.size() - 8;
            ok = index == r.nextBlock && r.data.size() + n <= r.length;
            if (ok) {
                r.data.insert(r.data.end(), q.begin() + 7, q.end() - 1);
                ++r.nextBlock;
            }
        }
        reply = Status(code, ok);
        break;
    }
    case kVerify:
        reply = Verify();
        break;
    default:
        reply = Status(code, false);
        break;
    }
    if (m_restartPending) {
        m_restartPending = false;
        Restart(true, now);
    }
    Record(code, reply, false);
    return ApplyFaults(std::move(reply));
}

std::vector<Bytes> RequestSplitter::Feed(const uint8_t* data, size_t size) {
    m_pending.insert(m_pending.end(), data, data + size);
    std::vector<Bytes> frames;
    for (;;) {
        size_t start = 0;
        while (start + 1 < m_pending.size() && !(m_pending[start] == 0x5A && m_pending[start + 1] == 0xA5)) {
            ++start;
        }
        if (start + 1 >= m_pending.size()) {
            // Keep a trailing 0x5A that may start a frame.
            const bool keepLast = !m_pending.empty() && m_pending.back() == 0x5A;
            m_pending.erase(m_pending.begin(), m_pending.end() - (keepLast ? 1 : 0));
            break;
        }
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<long>(start));
        if (m_pending.size() < 4) {
            break;
        }
        const size_t length = m_pending[2] | m_pending[3] << 8;
        if (length < 6) {
            m_pending.erase(m_pending.begin()); // not a frame: hunt again
            continue;
        }
        if (m_pending.size() < length) {
            break;
        }
        Bytes frame(m_pending.begin(), m_pending.begin() + static_cast<long>(length));
        if (PanelModel::FrameIsValid(frame)) {
            frames.push_back(std::move(frame));
            m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<long>(length));
        } else {
            m_pending.erase(m_pending.begin());
        }
    }
    return frames;
}

} // namespace panelsim
