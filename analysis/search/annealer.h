#pragma once

#include "analysis/alphabet.h"
#include "analysis/search/candidatepool.h"
#include "analysis/statistics/groupscore.h"
#include "analysis/search/random.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace playfair::analysis {

class Crib;

// How one search runs, by the length of the text it works on.
struct SearchPlan
{
    double temperatureLog10 = 0; // the fixed temperature, in log10 probability
    std::uint32_t movesPerRestart = 0;
    // The moves, in per cent: two letters swapped; all rows (or all columns)
    // put in a random order; the cells of one row (or one column) put in a
    // random order. The rest swap two rows or two columns, transpose the
    // square or flip it. The new orders are off: measured on held-out
    // English (80 and 100 letters, searches from random squares), taking
    // their share from the swaps or from the other moves, they reached the
    // key no more often, and the orders within a row or column less often
    // (see docs/solver.md).
    int swapPercent = 70;
    int lineOrderPercent = 0;
    int inLinePercent = 0;
    int fromBestPercent = 50;     // restarts that start from the best square, shaken
    int shakeSwaps = 4;           // the letters swapped to shake it
    // The last moves of a search, in per cent, climb the finer score (the
    // order-5 letter model the chooser ranks by, see Annealer::setFinish)
    // rather than the four-letter groups, at the temperature scaled by its
    // spread and by `modelTemperature`. A five-letter lookup is a random
    // read in a 10 MiB table, a four-letter one in 390 KiB, so every move
    // of this phase costs more. Off: on held-out English of 60 and 80
    // letters (searches from fixed seeds) it reached the key less often for
    // the same moves, all of them on the model or the last quarter, and
    // tested fewer keys a second (see docs/solver.md).
    int modelPercent = 0;
    double modelTemperature = 1;
    // Parallel tempering (Annealer::temper): `replicas` squares annealed at
    // once, at temperatures from the plan's up to `ladder` times it in a
    // geometric row; every `exchangeMoves` moves of each, neighbours on the
    // ladder swap squares by the Metropolis rule. `movesPerRestart` is then
    // each replica's moves. 0 replicas: plain restarts. Off: on held-out
    // English of 50 and 60 letters (fixed seeds, the same moves) it reached
    // the key on no more texts than the restarts (see docs/solver.md).
    int replicas = 0;
    double ladder = 3.5;
    std::uint32_t exchangeMoves = 2000;

    static SearchPlan forLength(std::size_t letters);

    // Texts shorter than `longSearchesFrom` letters are searched with
    // `longMovesPerLetter` moves a letter; from there to `longSearchesTo`
    // the moves a letter fall to the 2,000 of longer texts.
    static constexpr std::size_t longSearchesFrom = 60;
    static constexpr std::size_t longSearchesTo = 100;
    static constexpr double longMovesPerLetter = 8000;

    // The temperatures were measured with the four-letter group sums, whose
    // ordinary text and random letters stand this far apart a group; other
    // scores scale them by their own spread.
    static constexpr double quadgramSpread = 3.35;
};

// One search for the key square, on one thread: simulated annealing at a
// fixed temperature from a random square (or from the best square found so
// far, shaken), then a hill climb over all letter swaps. Everything it needs
// is allocated when it is made; a restart allocates nothing. The same seed
// gives the same restarts.
//
// Moves: swapping two letters, two rows or two columns, putting all rows or
// all columns in a new order, putting the cells of one row or one column in
// a new order, transposing the square, and flipping it top to bottom, left
// to right or both. The flips and the transposition reach the usual traps,
// squares that decrypt much of the text right but with its pairs reversed or
// shifted; the new orders of rows and columns move many letters at once
// while keeping which letters share a row (or a column).
class Annealer
{
public:
    // The square's shape: every move and table works through these.
    static constexpr int rows = 5;
    static constexpr int columns = 5;
    static constexpr int cells = rows * columns;

    enum class Move : std::uint8_t {
        SwapCells,     // a, b: two cells
        SwapRows,      // a, b: two rows
        SwapColumns,   // a, b: two columns
        Transpose,
        FlipRows,      // top to bottom
        FlipColumns,   // left to right
        Reverse,       // both flips: the cells in reverse order
        OrderRows,     // every row to a new place, drawn at random
        OrderColumns,  // every column to a new place
        OrderInRow,    // a: the row whose cells go to new places
        OrderInColumn, // a: the column
    };
    static constexpr int moveKinds = 11;

    // Applies a move to a square (a permutation of its cells); the new
    // orders are drawn from `random`. Public for the tests.
    static void applyMove(Square &square, Move move, int a, int b, Random &random);

    Annealer(const GroupScore &score, const std::vector<Letter> &ciphertext, const Crib *crib, std::uint64_t seed);

    struct Outcome
    {
        int score = 0;
        Square square{};
        bool fromScratch = true; // started from a random square
        bool finished = true;    // ran to its end rather than being stopped
    };

    // `best` may be null. `keys` counts the squares tried, in steps of 1024.
    // `pool`, if given, is offered the best distinct plaintexts the search
    // passes through on its way, not only where it ends.
    Outcome restart(const SearchPlan &plan, const Square *best, const std::atomic<bool> &stop,
                    std::atomic<std::uint64_t> &keys, CandidatePool *pool = nullptr);

    // Parallel tempering, one run: `plan.replicas` squares from random
    // squares, each annealed `plan.movesPerRestart` moves at its rung of the
    // ladder, neighbours exchanging squares every `plan.exchangeMoves`; ends
    // as a restart does, with the climbs from the best square any replica
    // reached. The pool is offered the coldest replica's plaintexts.
    Outcome temper(const SearchPlan &plan, const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys,
                   CandidatePool *pool = nullptr);

    // The score of a square: the sum of the table values of its plaintext's
    // four-letter groups, less a penalty for each crib letter it gets wrong.
    int scoreOf(const Square &square);

    // Each crib letter a plaintext gets wrong costs this many table units.
    static constexpr int cribPenalty = 400;

    // A finer score to end every search with a climb over letter swaps by:
    // the search then ends where the chooser looks, not on the fast score's
    // optimum beside it. Null for none.
    void setFinish(const GroupScore *finer) { m_finish = finer; }

    // While the plaintext's language is not known: a second language's
    // scores, for the search and for the finish. Each restart climbs one of
    // the two languages, as setLeads says; its outcome scores as the better
    // of the plaintext's two readings, each placed between its language's
    // random letters and ordinary text, in the first one's units.
    void setSecondLanguage(const GroupScore *score, const GroupScore *finer);
    // Whether the next restarts climb the second language.
    void setLead(bool inOther) { m_leadIsOther = m_otherScore && inOther; }
    // Scores by these from the next restart on, in one language.
    void setLanguage(const GroupScore &score, const GroupScore *finer);

private:
    void setSquare(const Square &square);
    void offerCurrent(int score, CandidatePool &pool) const;
    using Thresholds = std::array<std::int32_t, 1024>;
    // T ln u on a grid of u, T the temperature `log10` in `score`'s units.
    static void fillThresholds(Thresholds &threshold, const GroupScore &score, double log10);
    // One replica of the tempering: `moves` moves from `square`, whose lead
    // score is `current`, at `threshold`; both are left where the walk ends,
    // and `best` and `bestScore` keep the best square passed. False when
    // stopped.
    bool walk(Square &square, int &current, const Thresholds &threshold, const SearchPlan &plan, std::uint32_t moves,
              Square &best, int &bestScore, std::uint64_t &tried, const std::atomic<bool> &stop,
              std::atomic<std::uint64_t> &keys, CandidatePool *pool);
    // A restart's end: the climbs from `outcome.square`, which the current
    // square is; fills in its score and offers it.
    void finishOutcome(Outcome &outcome, int bestScore, bool inModel, std::uint64_t &tried,
                       const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys, CandidatePool *pool);
    // Applies a move to the current square: a swap of two letters undoes
    // itself; any other move is undone from `m_squareSaved`.
    void apply(Move move, int a, int b);
    void undo(Move move, int a, int b);
    Move drawMove(const SearchPlan &plan, int &a, int &b);
    // The plaintext of the current square, worked out afresh, or after the
    // letters x and y of the square swapped places: then only the pairs with
    // x or y in the ciphertext decrypt anew, and elsewhere x and y trade
    // places in the plaintext.
    void decryptAll();
    void decryptSwapped(Letter x, Letter y);
    int scorePlain() const;
    int evaluate();
    // A climb over all letter swaps while `scoreOf()` of the plaintext grows.
    template<typename Score>
    int climb(int score, Score scoreOf, std::uint64_t &tried, const std::atomic<bool> &stop,
              std::atomic<std::uint64_t> &keys);

    // The plaintext's reading by `first`, or by `other` in `first`'s units.
    int reading(const GroupScore &first, const GroupScore *other, const GroupScore::Rescale &rescale,
                bool inOther) const;
    // The better of a plaintext's two readings, in the first score's units.
    int bestOfTwo(const GroupScore &first, const GroupScore *other, const GroupScore::Rescale &rescale) const;
    int cribPenaltyOf() const;
    // The plaintext's score in the language the restart climbs, and the
    // same for the finish.
    int leadScore() const;
    int finishLeadScore() const;

    GroupScore m_score;
    const GroupScore *m_finish = nullptr;
    const GroupScore *m_otherScore = nullptr;
    const GroupScore *m_otherFinish = nullptr;
    GroupScore::Rescale m_otherRescale;
    GroupScore::Rescale m_otherFinishRescale;
    bool m_leadIsOther = false;
    bool m_finishLeadIsOther = false;
    const Crib *m_crib;
    Random m_random;
    bool m_avx2 = false;
    std::size_t m_letters = 0;
    std::vector<Letter> m_first;  // the first letter of each cipher pair
    std::vector<Letter> m_second; // the second
    std::vector<Letter> m_plain;  // the plaintext of the current square, padded
    std::vector<Letter> m_saved;  // the plaintext before the move being tried
    std::vector<std::uint32_t> m_pairsWith[letterCount]; // the pairs each letter of the ciphertext is in
    const std::uint16_t *m_decrypt = nullptr;
    alignas(32) std::array<Letter, 32> m_square{};
    alignas(32) std::array<Letter, 32> m_cellOf{};
    Square m_squareSaved{};
    Thresholds m_threshold{}; // T ln u for u on a grid
    std::vector<Thresholds> m_ladder; // the tempering's, one a replica
};

} // namespace playfair::analysis
