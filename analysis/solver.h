#pragma once

#include "alphabet.h"
#include "crib.h"
#include "letterstatistics.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace playfair::analysis {

enum class StopReason {
    Confident, // several independent searches reached the same plaintext
    TimeLimit,
    Cancelled,
};

// "confident", "time-limit" or "cancelled".
std::string_view stopReasonCode(StopReason reason);

struct SolverOptions
{
    Language language = Language::English;
    std::chrono::milliseconds timeLimit{30000};
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core

    // A word known to be in the plaintext, and where (the letter position,
    // from 0), if known. No square that contradicts it is returned.
    std::string crib;
    std::optional<std::size_t> cribPosition;

    // Called from the thread that runs solve(), at most every
    // `progressInterval`, while the search runs.
    std::function<void(const struct SolverReport &)> onProgress;
    std::chrono::milliseconds progressInterval{50};
};

// The best square found so far, or at the end.
struct SolverReport
{
    bool found = false;       // false until a search has finished (and, with a crib, held it)
    Square square{};
    std::string squareText;   // 25 letters, row by row
    std::string plaintext;    // the whole ciphertext decrypted
    double score = 0;         // mean log10 probability of the plaintext's four-letter groups
    std::uint64_t keysTested = 0;
    double elapsedSeconds = 0;
    int restarts = 0;         // searches finished
    int agreeing = 0;         // independent searches that reached this plaintext
};

struct SolverResult : SolverReport
{
    StopReason stopped = StopReason::TimeLimit;
    // Confident not because searches agreed but because the plaintext reads
    // like the language and searches from its square, shaken, found nothing
    // better (texts of 80 letters or more).
    bool settled = false;
    bool shortText = false;   // under 40 letters: many squares may fit
};

// Breaks a Playfair ciphertext (letter numbers, an even count, no pair of two
// equal letters: see readCiphertext) without its key. Runs one search per
// thread; returns when the searches agree (or, on longer texts, when the best
// square reads like the language and cannot be improved), at the time limit, or within a few
// milliseconds of a stop request. The same seed gives the same result on one
// thread, unless the time limit ends the search. Throws CribError for a crib
// that cannot stand in the text.
SolverResult solve(const std::vector<Letter> &ciphertext, const SolverOptions &options, std::stop_token stop = {});

// The independent searches that must reach one plaintext before the solver
// trusts it, by the length of the text.
int agreementNeeded(std::size_t letters);

} // namespace playfair::analysis
