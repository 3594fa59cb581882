// Shared helpers of the transfer tests: a package writer that follows the
// package table, a manual clock, recording front ends, and a link that talks to
// the simulated panel in-process.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <mutex>
#include <vector>

#include "PanelModel.h"
#include "base/MessageSink.h"
#include "transfer/Clock.h"
#include "transfer/Frame.h"
#include "transfer/ProgressView.h"
#include "transfer/TransferLink.h"

namespace caldo::test {

using Bytes = std::vector<uint8_t>;

struct PackageContents {
    uint32_t kind = 2;
    Bytes user;
    Bytes gui1;
    Bytes gui2; // kind 2 only
    uint16_t gui1Version = 5;
    uint16_t gui2Version = 6;
    std::vector<Bytes> sections;
};

// Header area, then the section table, then the regions in order.
Bytes BuildPackage(const PackageContents& pkg);
Bytes PatternBytes(size_t size, uint32_t seed);
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadFile(const std::filesystem::path& path);

// A fresh empty folder under the system temp folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A clock that only moves when slept on. Several download threads may share
// one (several panels at once), so it is guarded.
class ManualClock : public Clock {
public:
    std::chrono::milliseconds Now() override {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_now;
    }
    void Sleep(std::chrono::milliseconds d) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        sleeps.push_back(d);
        m_now += d;
    }
    // Read when no download runs.
    std::vector<std::chrono::milliseconds> sleeps;

private:
    std::mutex m_mutex;
    std::chrono::milliseconds m_now{0};
};

class RecordingProgress : public ProgressView {
public:
    void SetCaption(const std::string& c) override {
        caption = c;
        captions.push_back(c);
    }
    void SetRange(int lo, int hi) override {
        lower = lo;
        upper = hi;
    }
    void SetPos(int p) override { position = p; }
    void StepIt() override {
        ++position;
        ++steps;
    }
    void Repaint() override { ++repaints; }
    void ShowPanel(const PanelInfo& panel) override { panels.push_back(panel); }

    std::string caption;
    std::vector<PanelInfo> panels;
    std::vector<std::string> captions;
    int lower = 0, upper = 100, position = 0, steps = 0, repaints = 0;
};

// The panel's time on a manual clock, so that its restarts follow the clock.
panelsim::TimePoint PanelTime(Clock& clock);

// A link whose far end is a PanelModel in the same process. It carries frames
// only while open, like a real link. The panel's time is the real time unless
// a clock is given.
class EmulatorLink : public CTransferLink {
public:
    EmulatorLink(panelsim::PanelModel& panel, int maxPacket, LengthOrder order, Clock* clock = nullptr)
        : m_panel(panel), m_maxPacket(maxPacket), m_order(order), m_clock(clock) {}
    int MaxPacketSize() override { return m_maxPacket; }
    bool Receive(uint8_t* buffer, size_t capacity, int, size_t& received) override;
    bool Close() override;
    bool Configure(const CLinkSettings&) override { return true; }
    bool Open() override;
    bool Send(const uint8_t* data, size_t length, int) override;

private:
    panelsim::PanelModel& m_panel;
    int m_maxPacket;
    LengthOrder m_order;
    Clock* m_clock;
    Bytes m_pending;
    bool m_open = false;
};

// The panel configuration an EmulatorLink of the given link shape needs.
panelsim::Config EmulatorConfig(uint16_t model, bool bootMode, uint16_t guiVersion, bool usbOrder = false);

} // namespace caldo::test
