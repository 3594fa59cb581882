#include "transfer/FdWait.h"

#include <poll.h>

namespace caldo {

int WaitUntilReady(int fd, short events, const Deadline& deadline) {
    for (;;) {
        pollfd pfd{fd, events, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(deadline.Remaining().count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
    }
}

} // namespace caldo
