// Waiting on the file descriptors of the serial and UDP links. Calls broken
// off by a signal are repeated; waits go on with the time that is left.
#pragma once

#include <cerrno>
#include <chrono>

#include "transfer/Clock.h"

namespace caldo {

// The time-out of count units of unitMs milliseconds each.
inline std::chrono::milliseconds UnitsTimeout(int count, int unitMs) {
    return std::chrono::milliseconds(static_cast<long long>(count) * unitMs);
}

// Waits until fd is ready for events (POLLIN, POLLOUT) or the deadline passes.
// Returns 1 when ready, 0 at the deadline, -1 on an error (errno tells).
int WaitUntilReady(int fd, short events, const Deadline& deadline);

// Repeats a system call returning a negative value with errno EINTR.
template <class Call> auto RetryOnInterrupt(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR) {
        result = call();
    }
    return result;
}

} // namespace caldo
