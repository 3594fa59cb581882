#include "transfer/Clock.h"

#include <thread>

namespace caldo {

std::chrono::milliseconds SteadyClock::Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::Sleep(std::chrono::milliseconds duration) {
    if (duration.count() > 0) {
        std::this_thread::sleep_for(duration);
    }
}

std::chrono::milliseconds Deadline::Remaining() const {
    const auto left = m_end - m_clock.Now();
    return left.count() > 0 ? left : std::chrono::milliseconds(0);
}

} // namespace caldo
