#include "common/ThreadPriority.h"

#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace vellum {

void lowerThisThreadPriority(int steps) {
#if defined(__linux__)
    const auto self = static_cast<id_t>(::gettid());
    errno = 0;
    const int now = ::getpriority(PRIO_PROCESS, self);
    if (now == -1 && errno != 0) return;
    ::setpriority(PRIO_PROCESS, self, now + steps);
#else
    (void)steps;
#endif
}

} // namespace vellum
