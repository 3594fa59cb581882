#include "simulator/BackgroundLink.h"

#include <algorithm>

#include "simulator/ModbusLink.h"

namespace balsar::simulator {

namespace {

constexpr auto kCycle = std::chrono::milliseconds(100);
// A register the runtime has not asked for this long is no longer polled
// (the screen that showed it has gone).
constexpr auto kForget = std::chrono::seconds(2);

} // namespace

BackgroundLink::BackgroundLink(std::unique_ptr<ModbusLink> link) : m_link(std::move(link)) {
    m_worker = std::thread([this] { Work(); });
}

BackgroundLink::~BackgroundLink() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_link->Abort();
    m_wake.notify_all();
    m_worker.join();
}

BackgroundLink::Key BackgroundLink::KeyOf(const runtime::AddressRecord& a, size_t count) {
    return {a.flags, a.port, a.station, a.registerId, a.format, a.count, a.linear, count};
}

runtime::AddressRecord BackgroundLink::AddressOf(const Key& key) {
    runtime::AddressRecord a;
    std::tie(a.flags, a.port, a.station, a.registerId, a.format, a.count, a.linear, std::ignore) = key;
    return a;
}

bool BackgroundLink::Read(const runtime::AddressRecord& address, std::span<uint16_t> values) {
    std::lock_guard lock(m_mutex);
    Cached& entry = m_cache[KeyOf(address, values.size())];
    const bool fresh = entry.wanted == std::chrono::steady_clock::time_point{};
    entry.wanted = std::chrono::steady_clock::now();
    if (fresh) {
        // Not polled yet: the worker reads it in its next cycle.
        m_wake.notify_all();
        std::fill(values.begin(), values.end(), 0);
        return true;
    }
    if (entry.values.size() == values.size()) {
        std::copy(entry.values.begin(), entry.values.end(), values.begin());
    }
    return entry.ok;
}

bool BackgroundLink::Write(const runtime::AddressRecord& address, std::span<const uint16_t> values) {
    std::lock_guard lock(m_mutex);
    m_writes.push_back(PendingWrite{address, std::vector<uint16_t>(values.begin(), values.end())});
    // The value shows at once; the next poll confirms or corrects it.
    auto it = m_cache.find(KeyOf(address, values.size()));
    if (it != m_cache.end()) {
        it->second.values.assign(values.begin(), values.end());
    }
    m_wake.notify_all();
    return !m_status.cutOff.contains(address.port);
}

BackgroundLink::Status BackgroundLink::CurrentStatus() const {
    std::lock_guard lock(m_mutex);
    return m_status;
}

bool BackgroundLink::WaitCycles(uint64_t cycles, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    const uint64_t target = m_status.cycles + cycles;
    return m_wake.wait_for(lock, timeout, [&] { return m_status.cycles >= target; });
}

void BackgroundLink::Note(bool ok) {
    // Called with the mutex held.
    if (ok) {
        m_status.failing = false;
        m_status.error.clear();
        return;
    }
    if (!m_status.failing) {
        m_status.failingSince = std::chrono::steady_clock::now();
    }
    m_status.failing = true;
    m_status.error = m_link->LastError();
}

void BackgroundLink::Work() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const auto cycleStart = std::chrono::steady_clock::now();
        while (!m_writes.empty() && !m_stop) {
            PendingWrite write = std::move(m_writes.front());
            m_writes.pop_front();
            lock.unlock();
            const bool ok = m_link->Write(write.address, write.values);
            lock.lock();
            Note(ok);
        }
        std::vector<Key> wanted;
        for (auto it = m_cache.begin(); it != m_cache.end();) {
            if (cycleStart - it->second.wanted > kForget) {
                it = m_cache.erase(it);
            } else {
                wanted.push_back(it->first);
                ++it;
            }
        }
        for (const Key& key : wanted) {
            if (m_stop || !m_writes.empty()) {
                break; // writes first: a key press must not wait for a whole cycle
            }
            std::vector<uint16_t> values(std::get<7>(key));
            lock.unlock();
            const bool ok = m_link->Read(AddressOf(key), values);
            lock.lock();
            Note(ok);
            auto it = m_cache.find(key);
            if (it != m_cache.end()) {
                it->second.ok = ok;
                if (ok) {
                    it->second.values = std::move(values);
                }
            }
        }
        m_status.cutOff.clear();
        for (uint8_t port = 0; port < 4; ++port) {
            if (m_link->CutOff(port)) {
                m_status.cutOff.insert(port);
            }
        }
        ++m_status.cycles;
        m_wake.notify_all();
        m_wake.wait_until(lock, cycleStart + kCycle, [this] { return m_stop || !m_writes.empty(); });
    }
}

} // namespace balsar::simulator
