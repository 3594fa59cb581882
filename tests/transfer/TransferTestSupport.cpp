#include "TransferTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>

#include "base/ByteWriter.h"
#include "base/FileIo.h"

namespace caldo::test {

namespace {

uint32_t Sum(const Bytes& b) {
    uint32_t s = 0;
    for (uint8_t x : b) {
        s += x;
    }
    return s;
}

} // namespace

Bytes BuildPackage(const PackageContents& pkg) {
    const size_t area = pkg.kind == 1 ? 88 : 108;
    const size_t table = area;
    size_t dataOffset = table + 20 * pkg.sections.size();
    Bytes out(dataOffset, 0);
    std::memcpy(out.data(), "zembra-qk", 9); // identification text, zero byte follows
    balsar::WriteAt(out, 16, pkg.kind, 4);
    auto place = [&](size_t descriptorAt, const Bytes& data, uint32_t version) {
        balsar::WriteAt(out, descriptorAt, data.empty() ? 0 : static_cast<uint32_t>(dataOffset), 4);
        balsar::WriteAt(out, descriptorAt + 4, static_cast<uint32_t>(data.size()), 4);
        balsar::WriteAt(out, descriptorAt + 8, version, 4);
        balsar::WriteAt(out, descriptorAt + 12, Sum(data), 4);
        balsar::WriteAt(out, descriptorAt + 16, 0, 4);
        out.insert(out.end(), data.begin(), data.end());
        dataOffset += data.size();
    };
    place(20, pkg.user, 0);
    // 40..59: reserved descriptor, all zero
    place(60, pkg.gui1, pkg.gui1Version);
    if (pkg.kind != 1) {
        place(80, pkg.gui2, pkg.gui2Version);
    }
    balsar::WriteAt(out, area - 8, static_cast<uint32_t>(pkg.sections.size()), 4);
    balsar::WriteAt(out, area - 4, static_cast<uint32_t>(table), 4);
    for (size_t i = 0; i < pkg.sections.size(); ++i) {
        place(table + 20 * i, pkg.sections[i], 0);
    }
    return out;
}

Bytes PatternBytes(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes b(size);
    for (auto& x : b) {
        x = static_cast<uint8_t>(rng());
    }
    return b;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::string error;
    if (!balsar::WriteFileAtomically(path, bytes, error)) {
        throw std::runtime_error("cannot write " + path.string() + ": " + error);
    }
}

Bytes ReadFile(const std::filesystem::path& path) {
    Bytes bytes;
    std::string error;
    if (!balsar::ReadFileBytes(path, bytes, error)) {
        return {};
    }
    return bytes;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "caldo-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

panelsim::TimePoint PanelTime(Clock& clock) {
    return panelsim::TimePoint(std::chrono::duration_cast<panelsim::TimePoint::duration>(clock.Now()));
}

bool EmulatorLink::Open() {
    m_open = true;
    return true;
}

bool EmulatorLink::Close() {
    m_open = false;
    m_pending.clear();
    return true;
}

bool EmulatorLink::Send(const uint8_t* data, size_t length, int) {
    if (!m_open) {
        return false;
    }
    m_pending = m_panel.Handle(Bytes(data, data + length),
                               m_clock ? PanelTime(*m_clock) : std::chrono::steady_clock::now());
    return true;
}

bool EmulatorLink::Receive(uint8_t* buffer, size_t capacity, int, size_t& received) {
    received = 0;
    if (!m_open || m_pending.empty()) {
        return false; // the panel said nothing: a time-out
    }
    const size_t n = std::min(capacity, m_pending.size());
    std::memcpy(buffer, m_pending.data(), n);
    m_pending.clear();
    size_t frameLength = 0;
    if (!AcceptReply(buffer, n, m_order, m_order == LengthOrder::LowFirst ? 5 : 1, frameLength)) {
        return false;
    }
    received = frameLength;
    return true;
}

panelsim::Config EmulatorConfig(uint16_t model, bool bootMode, uint16_t guiVersion, bool usbOrder) {
    panelsim::Config c;
    c.model = model;
    c.bootMode = bootMode;
    c.guiVersion = guiVersion;
    c.replyLengthLowFirst = usbOrder;
    return c;
}

} // namespace caldo::test
