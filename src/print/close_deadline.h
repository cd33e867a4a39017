#pragma once
// How long the print server may take, and the cut-off that closing the
// program sets: every wait on the server ends by the sooner of the two, so
// that closing never waits on a server that does not answer.

#include <algorithm>
#include <atomic>
#include <chrono>

namespace print {

using Clock = std::chrono::steady_clock;

// No single exchange with the server may hold a page up longer than this; a
// server that takes longer counts as not answering.
inline constexpr auto kAnswerWithin = std::chrono::seconds(5);
// Cancelling a job not handed over whole may take this long, even past the
// cut-off: a job left half sent is worse than a second's wait.
inline constexpr auto kCancelWithin = std::chrono::seconds(1);

// The program closing, told from any thread: following jobs ends, and no
// exchange with the server goes on past the cut-off.
class CloseDeadline {
public:
    void closeBy(Clock::time_point cutoff) { cutoff_ = cutoff.time_since_epoch().count(); }
    bool closing() const { return cutoff() != Clock::time_point::max(); }
    bool pastCutoff() const { return Clock::now() >= cutoff(); }
    Clock::time_point cutoff() const { return Clock::time_point(Clock::duration(cutoff_.load())); }

    // When an exchange that starts now must be over.
    Clock::time_point answerBy() const { return std::min(Clock::now() + kAnswerWithin, cutoff()); }
    // The same for cancelling a job, which may go a little past the cut-off.
    Clock::time_point cancelBy() const
    {
        const auto soon = Clock::now() + kCancelWithin;
        return closing() ? std::min(soon, cutoff() + kCancelWithin) : soon;
    }

    // The flag that the CUPS library watches while it makes a connection:
    // raised at the cut-off, it ends a connection still being made.
    int* connectionCancel() const { return &stopConnecting_; }
    void stopConnecting() const { std::atomic_ref<int>(stopConnecting_).store(1); }

private:
    std::atomic<Clock::rep> cutoff_{Clock::time_point::max().time_since_epoch().count()};
    alignas(std::atomic_ref<int>::required_alignment) mutable int stopConnecting_ = 0;
};

} // namespace print
