#pragma once

#include <chrono>

#include "support/socket_fd.h"

namespace vantrel::test {

// The one event that ends every wait of a server: once raised it stays raised, so a thread
// that starts waiting after the server began to stop still returns at once.
class StopSignal {
public:
    StopSignal();

    void Raise();

    // True when `events` are ready on `fd` (errors and hang-ups count as ready, so the next
    // call on fd reports them); false when the signal is raised first.
    bool WaitFor(int fd, short events) const;
    // False when the signal is raised before `deadline`; a deadline already past still looks
    // at the signal, so a sender that never has to wait still notices a stop.
    bool SleepUntil(std::chrono::steady_clock::time_point deadline) const;
    void Wait() const;

private:
    UniqueFd event_;
};

}  // namespace vantrel::test
