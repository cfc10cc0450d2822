#include "solver.h"

#include "annealer.h"
#include "ciphertext.h"
#include "pairtables.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <variant>

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

// Long texts are searched on their first letters only: more letters make
// every key slower to score without making the right one easier to find.
constexpr std::size_t searchedLetters = 300;

// From this many letters on, a square is also trusted once its plaintext
// scores within the margin of the language's typical text and this many
// searches started from it, shaken, found nothing better: on such texts a
// wrong square that reads like the language and that no search can improve
// has not been seen.
constexpr std::size_t settledFromLetters = 80;
constexpr int shakesInVain = 12;
constexpr double settledMargin = 0.15;

// Searches that agree are trusted only on a plaintext that scores within
// this margin of the language's typical text: some wrong squares draw many
// searches, but their plaintexts read far worse than any real text of 60 or
// more letters.
constexpr double agreedMargin = 0.6;

// What the searches share. Every field is guarded by `mutex`, but for the
// counters and the halt flag, which the searches touch without locking.
struct Shared
{
    std::mutex mutex;
    std::condition_variable_any changed;
    std::atomic<bool> halt{false};
    std::atomic<std::uint64_t> keys{0};

    bool found = false;
    int bestScore = 0;
    Square bestSquare{};
    std::vector<Letter> bestPlain; // of the searched letters
    double bestMeanLog10 = 0;      // of bestPlain
    int agreeing = 0;
    int shakenInVain = 0; // restarts from the best square since it last changed that found nothing better
    int restarts = 0;
    std::uint64_t version = 0; // counts changes of the best square
};

std::uint64_t threadSeed(std::uint64_t seed, int thread)
{
    return Random(seed ^ (0x9E3779B97F4A7C15ull * std::uint64_t(thread + 1))).next();
}

void search(Shared &shared, const LetterStatistics &statistics, const std::vector<Letter> &searched,
            const Crib *crib, std::uint64_t seed)
{
    Annealer annealer(statistics, searched, crib, seed);
    const SearchPlan plan = SearchPlan::forLength(searched.size());
    std::vector<Letter> plain(searched.size());
    Square best{};
    bool haveBest = false;
    std::uint64_t bestVersion = 0;
    while (!shared.halt.load(std::memory_order_relaxed)) {
        const Annealer::Outcome outcome = annealer.restart(plan, haveBest ? &best : nullptr, shared.halt, shared.keys);
        if (!outcome.finished)
            break;
        decryptLetters(outcome.square, searched.data(), searched.size(), plain.data());
        const bool holdsCrib = crib == nullptr || crib->heldBy(plain.data());

        std::lock_guard lock(shared.mutex);
        ++shared.restarts;
        if (holdsCrib) {
            const bool shookTheBest = !outcome.fromScratch && shared.found && bestVersion == shared.version;
            if (shared.found && plain == shared.bestPlain) {
                if (outcome.fromScratch)
                    ++shared.agreeing;
                else if (shookTheBest)
                    ++shared.shakenInVain;
            } else if (!shared.found || outcome.score > shared.bestScore) {
                shared.found = true;
                shared.bestScore = outcome.score;
                shared.bestSquare = outcome.square;
                shared.bestPlain = plain;
                shared.bestMeanLog10 = statistics.meanLog10(plain.data(), plain.size());
                shared.agreeing = outcome.fromScratch ? 1 : 0;
                shared.shakenInVain = 0;
                ++shared.version;
            } else if (shookTheBest) {
                ++shared.shakenInVain;
            }
        }
        // Every search shakes the best square any search has found; a crib
        // search may shake its own best when no square holds the crib yet.
        if (shared.found) {
            best = shared.bestSquare;
            bestVersion = shared.version;
            haveBest = true;
        } else if (!haveBest || outcome.score > annealer.scoreOf(best)) {
            best = outcome.square;
            haveBest = true;
        }
        shared.changed.notify_all();
    }
}

} // namespace

std::string_view stopReasonCode(StopReason reason)
{
    switch (reason) {
    case StopReason::Confident:
        return "confident";
    case StopReason::TimeLimit:
        return "time-limit";
    case StopReason::Cancelled:
        return "cancelled";
    }
    return {};
}

int agreementNeeded(std::size_t letters)
{
    return letters >= 80 ? 2 : 3;
}

SolverResult solve(const std::vector<Letter> &ciphertext, const SolverOptions &options, std::stop_token stop)
{
    const Clock::time_point start = Clock::now();
    const LetterStatistics &statistics = LetterStatistics::of(options.language);

    std::size_t searchedCount = std::min(ciphertext.size(), searchedLetters) & ~std::size_t(1);
    std::optional<Crib> crib;
    if (!options.crib.empty()) {
        auto made = Crib::make(options.crib, options.cribPosition, ciphertext);
        if (auto *error = std::get_if<CribError>(&made))
            throw *error;
        crib = std::get<Crib>(std::move(made));
        // The crib must lie inside the searched letters.
        const std::size_t end = crib->places().back() + crib->letters().size();
        searchedCount = std::max(searchedCount, (end + 1) & ~std::size_t(1));
    }
    const std::vector<Letter> searched(ciphertext.begin(), ciphertext.begin() + std::ptrdiff_t(searchedCount));
    std::optional<Crib> searchedCrib;
    if (crib)
        searchedCrib = std::get<Crib>(Crib::make(options.crib, options.cribPosition, searched));

    Shared shared;
    const int threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> workers;
    workers.reserve(std::size_t(threads));
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            search(shared, statistics, searched, searchedCrib ? &*searchedCrib : nullptr, threadSeed(options.seed, t));
        });
    }

    const int needed = agreementNeeded(searched.size());
    // Confident when enough searches from random squares reached the same
    // plaintext; on longer texts also when the best square reads like the
    // language and shaking it has found nothing better many times over.
    const auto agreed = [&] {
        return shared.found && shared.agreeing >= needed
            && shared.bestMeanLog10 >= statistics.typicalLog10() - agreedMargin;
    };
    const auto settled = [&] {
        return shared.found && searched.size() >= settledFromLetters && shared.shakenInVain >= shakesInVain
            && shared.bestMeanLog10 >= statistics.typicalLog10() - settledMargin;
    };
    const auto confident = [&] { return agreed() || settled(); };
    const Clock::time_point deadline = start + options.timeLimit;
    SolverResult result;
    result.shortText = ciphertext.size() < shortCiphertext;

    const auto report = [&](SolverReport &out) {
        // Called with the mutex held.
        out.found = shared.found;
        out.restarts = shared.restarts;
        out.agreeing = shared.agreeing;
        out.keysTested = shared.keys.load(std::memory_order_relaxed);
        out.elapsedSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (shared.found) {
            out.square = shared.bestSquare;
            out.squareText = squareToText(shared.bestSquare);
            std::vector<Letter> plain(ciphertext.size());
            decryptLetters(shared.bestSquare, ciphertext.data(), ciphertext.size(), plain.data());
            out.plaintext = lettersToText(plain.data(), plain.size());
            out.score = statistics.meanLog10(plain.data(), plain.size());
        }
    };

    Clock::time_point lastProgress = start;
    std::unique_lock lock(shared.mutex);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (stop.stop_requested()) {
            result.stopped = StopReason::Cancelled;
            break;
        }
        if (confident()) {
            result.stopped = StopReason::Confident;
            result.settled = !agreed();
            break;
        }
        if (now >= deadline) {
            result.stopped = StopReason::TimeLimit;
            break;
        }
        if (options.onProgress && now - lastProgress >= options.progressInterval) {
            SolverReport progress;
            report(progress);
            lastProgress = now;
            lock.unlock();
            options.onProgress(progress);
            lock.lock();
            continue;
        }
        const Clock::time_point wake = std::min(deadline, lastProgress + options.progressInterval);
        shared.changed.wait_until(lock, stop, std::max(wake, now + std::chrono::milliseconds(1)),
                                  confident);
    }
    shared.halt.store(true);
    lock.unlock();
    workers.clear(); // joins them: each stops within a few thousand keys
    lock.lock();
    report(result);
    return result;
}

} // namespace playfair::analysis
