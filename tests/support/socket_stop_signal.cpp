#include "support/socket_stop_signal.h"

#include <poll.h>
#include <sys/eventfd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace vantrel::test {

namespace {

using Clock = std::chrono::steady_clock;

timespec ToTimespec(Clock::duration duration) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
    const auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(duration - seconds);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>(nanoseconds.count())};
}

// ppoll that survives signals; a null timeout waits for ever.
int PollRetrying(pollfd* fds, nfds_t count, const timespec* timeout) {
    for (;;) {
        const int ready = ::ppoll(fds, count, timeout, nullptr);
        if (ready >= 0 || errno != EINTR) return ready;
    }
}

}  // namespace

StopSignal::StopSignal() : event_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!event_) throw std::system_error(errno, std::generic_category(), "eventfd");
}

void StopSignal::Raise() {
    // Never read back, so the eventfd stays readable and every poll on it returns.
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(event_.get(), &one, sizeof one);
}

bool StopSignal::WaitFor(int fd, short events) const {
    pollfd fds[] = {{event_.get(), POLLIN, 0}, {fd, events, 0}};
    if (PollRetrying(fds, 2, nullptr) < 0) return false;
    return fds[0].revents == 0;
}

bool StopSignal::SleepUntil(Clock::time_point deadline) const {
    for (;;) {
        const timespec timeout = ToTimespec(std::max(deadline - Clock::now(), Clock::duration{}));
        pollfd stop = {event_.get(), POLLIN, 0};
        const int ready = PollRetrying(&stop, 1, &timeout);
        if (ready != 0) return false;
        if (Clock::now() >= deadline) return true;
    }
}

void StopSignal::Wait() const {
    pollfd stop = {event_.get(), POLLIN, 0};
    PollRetrying(&stop, 1, nullptr);
}

}  // namespace vantrel::test
