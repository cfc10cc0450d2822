#pragma once

#include "analysis/solver.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace playfair::analysis {

// How a search runs on several threads and ends, written once for the
// classic solver and the other alphabets' (shaped/shapedsolver.cpp): one
// worker a thread, all sharing what they found under one mutex; the calling
// thread watches, hands out progress reports at a bounded rate, and stops
// them all when the answer is beyond doubt, the time is up or it is asked to.

using SearchClock = std::chrono::steady_clock;

// What the workers share besides their findings (which a mutex guards):
// the condition notified whenever what the confidence reads changes, and
// the flag that tells the workers to return (each checks it every few
// thousand keys).
struct SearchSync
{
    std::condition_variable_any &changed;
    std::atomic<bool> &halt;
};

struct SearchEnd
{
    StopReason stopped = StopReason::TimeLimit;
    Confidence confidence = Confidence::None;
};

// The end of a time limit counted from `start`; a limit beyond what the
// clock can count (noTimeLimit) is none.
inline SearchClock::time_point searchDeadline(SearchClock::time_point start, std::chrono::milliseconds limit)
{
    return limit >= std::chrono::duration_cast<std::chrono::milliseconds>(SearchClock::time_point::max() - start)
        ? SearchClock::time_point::max()
        : start + std::chrono::duration_cast<SearchClock::duration>(limit);
}

// Runs work(t) on `threads` threads (t from 0) and watches them from the
// calling thread, the mutex held through `lock` (made on the mutex that
// guards their findings, not yet holding it): until
// `stop` is requested (cancelled), confidence() gives a Confidence other
// than None (confident), or options.timeLimit from `start` is up. It wakes
// when `changed` is notified and, while options.onProgress is set, every
// options.progressInterval, to fill a Report with fill(report), the mutex
// held, and hand it to options.onProgress with the mutex released. Then it
// sets the halt flag, joins the workers, and returns with the mutex held
// again, so that what they found can be read.
template<typename Report, typename Options, typename Work, typename Confident, typename Fill>
SearchEnd runSearchThreads(int threads, Work &&work, const SearchSync &sync, std::unique_lock<std::mutex> &lock,
                           const Options &options, SearchClock::time_point start, std::stop_token stop,
                           Confident &&confidence, Fill &&fill)
{
    std::vector<std::jthread> workers;
    workers.reserve(std::size_t(threads));
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&work, t] { work(t); });

    const SearchClock::time_point deadline = searchDeadline(start, options.timeLimit);
    SearchEnd end;
    SearchClock::time_point lastProgress = start;
    lock.lock();
    for (;;) {
        const SearchClock::time_point now = SearchClock::now();
        if (stop.stop_requested()) {
            end.stopped = StopReason::Cancelled;
            break;
        }
        if (const Confidence reached = confidence(); reached != Confidence::None) {
            end.stopped = StopReason::Confident;
            end.confidence = reached;
            break;
        }
        if (now >= deadline) {
            end.stopped = StopReason::TimeLimit;
            break;
        }
        if (options.onProgress && now - lastProgress >= options.progressInterval) {
            Report progress;
            fill(progress);
            lastProgress = now;
            lock.unlock();
            options.onProgress(progress);
            lock.lock();
            continue;
        }
        const SearchClock::time_point wake = std::min(deadline, lastProgress + options.progressInterval);
        sync.changed.wait_until(lock, stop, std::max(wake, now + std::chrono::milliseconds(1)),
                                [&] { return confidence() != Confidence::None; });
    }
    sync.halt.store(true);
    lock.unlock();
    workers.clear(); // joins them
    lock.lock();
    return end;
}

} // namespace playfair::analysis
