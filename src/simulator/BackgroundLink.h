#pragma once
// The online simulator's link: a ModbusLink driven by a worker thread, so
// that a slow or silent PLC never stalls the window. The runtime's reads
// are answered from the values the worker last polled (and name what it
// polls next); writes are queued for the worker and shown at once. The
// worker polls at the ports' timing: the pause between requests, the
// response timeout and the retries are the ModbusLink's; a poll cycle
// starts at most every 100 ms.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "runtime/PlcLink.h"

namespace balsar::simulator {

class ModbusLink;

class BackgroundLink : public runtime::PlcLink {
public:
    struct Status {
        // The last request failed, with the reason.
        bool failing = false;
        std::string error;
        // When the current run of failures began.
        std::chrono::steady_clock::time_point failingSince{};
        // Ports cut off after their retries.
        std::set<uint8_t> cutOff;
        uint64_t cycles = 0;
    };

    // Takes an open link; the worker starts at once.
    explicit BackgroundLink(std::unique_ptr<ModbusLink> link);
    ~BackgroundLink() override;
    BackgroundLink(const BackgroundLink&) = delete;
    BackgroundLink& operator=(const BackgroundLink&) = delete;

    bool Read(const runtime::AddressRecord& address, std::span<uint16_t> values) override;
    bool Write(const runtime::AddressRecord& address, std::span<const uint16_t> values) override;

    Status CurrentStatus() const;
    // Waits until the worker has finished `cycles` more poll cycles (tests);
    // false after the time-out.
    bool WaitCycles(uint64_t cycles, std::chrono::milliseconds timeout);

private:
    using Key = std::tuple<uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint16_t, uint32_t, size_t>;
    struct Cached {
        std::vector<uint16_t> values;
        bool ok = false;
        std::chrono::steady_clock::time_point wanted{};
    };
    struct PendingWrite {
        runtime::AddressRecord address;
        std::vector<uint16_t> values;
    };
    static Key KeyOf(const runtime::AddressRecord& address, size_t count);
    static runtime::AddressRecord AddressOf(const Key& key);
    void Work();
    void Note(bool ok);

    std::unique_ptr<ModbusLink> m_link;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<Key, Cached> m_cache;
    std::deque<PendingWrite> m_writes;
    Status m_status;
    bool m_stop = false;
    std::thread m_worker;
};

} // namespace balsar::simulator
