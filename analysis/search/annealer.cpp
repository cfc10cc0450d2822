#include "analysis/search/annealer.h"

#include "analysis/crib.h"
#include "analysis/search/pairtables.h"
#include "analysis/statistics/groupsum.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace playfair::analysis {

namespace {

constexpr std::size_t padding = 32;

void decryptPairs(const Letter *__restrict first, const Letter *__restrict second, std::size_t pairs,
                  const Letter *__restrict square, const Letter *__restrict cellOf,
                  const std::uint16_t *__restrict decrypt, Letter *__restrict plain)
{
    for (std::size_t i = 0; i < pairs; ++i) {
        const std::uint16_t to = decrypt[Annealer::cells * cellOf[first[i]] + cellOf[second[i]]];
        plain[2 * i] = square[to & 0xFF];
        plain[2 * i + 1] = square[to >> 8];
    }
}

} // namespace

SearchPlan SearchPlan::forLength(std::size_t letters)
{
    // Measured on held-out text: the temperature, per letter, at which the
    // most texts are solved falls as texts grow, and searches of about 2,000
    // moves a letter find the key most often per move tried from 100 letters
    // on (longer ones gain nothing from 150 letters on). Shorter texts want
    // longer searches at the same temperature: at 60 letters, for the same
    // moves in all, searches of 8,000 moves a letter reach the key where
    // four times as many of 2,000 almost never do; at 80 letters the two
    // are alike. In between the moves a letter fall in a straight line.
    static constexpr std::array<std::pair<double, double>, 5> perLetter{
        {{60, 0.036}, {80, 0.030}, {100, 0.028}, {150, 0.028}, {200, 0.024}}};
    const double length = double(letters);
    double temperature = perLetter.front().second;
    if (length >= perLetter.back().first)
        temperature = perLetter.back().second;
    for (std::size_t i = 1; i < perLetter.size(); ++i) {
        const auto [from, low] = perLetter[i - 1];
        const auto [to, high] = perLetter[i];
        if (length > from && length < to)
            temperature = low + (high - low) * (length - from) / (to - from);
    }
    SearchPlan plan;
    plan.temperatureLog10 = temperature * length;
    plan.movesPerRestart = std::uint32_t(std::min<std::size_t>(2000 * letters, 300000));
    if (letters < longSearchesTo) {
        const double from = double(longSearchesFrom);
        const double share = std::clamp((double(longSearchesTo) - length) / (double(longSearchesTo) - from), 0.0, 1.0);
        const double movesPerLetter = 2000 + (longMovesPerLetter - 2000) * share;
        plan.movesPerRestart = std::uint32_t(movesPerLetter * length);
    }
    return plan;
}

Annealer::Annealer(const GroupScore &score, const std::vector<Letter> &ciphertext, const Crib *crib,
                   std::uint64_t seed)
    : m_score(score)
    , m_crib(crib)
    , m_random(seed)
    , m_letters(ciphertext.size())
{
    m_avx2 = GroupScore::avx2();
    for (std::size_t i = 0; i + 1 < ciphertext.size(); i += 2) {
        m_first.push_back(ciphertext[i]);
        m_second.push_back(ciphertext[i + 1]);
    }
    m_plain.assign(m_letters + padding, 0xFF);
    m_saved = m_plain;
    for (std::uint32_t i = 0; i < m_first.size(); ++i) {
        m_pairsWith[m_first[i]].push_back(i);
        if (m_second[i] != m_first[i])
            m_pairsWith[m_second[i]].push_back(i);
    }
    m_decrypt = PairTables::get().decrypt.data();
}

void Annealer::setSquare(const Square &square)
{
    for (int cell = 0; cell < cells; ++cell) {
        m_square[cell] = square[cell];
        m_cellOf[square[cell]] = Letter(cell);
    }
}

namespace {

constexpr int rows = Annealer::rows;
constexpr int columns = Annealer::columns;
constexpr int cells = Annealer::cells;

// A random order of `count` places, never the one they stand in.
template<int count>
std::array<int, count> newOrder(Random &random)
{
    std::array<int, count> order;
    for (;;) {
        for (int i = 0; i < count; ++i)
            order[i] = i;
        for (int i = count - 1; i > 0; --i)
            std::swap(order[i], order[random.below(std::uint32_t(i + 1))]);
        for (int i = 0; i < count; ++i) {
            if (order[i] != i)
                return order;
        }
    }
}

// The cells of a square, row by row, after a move.
void moveCells(Letter *s, Annealer::Move move, int a, int b, Random &random)
{
    using Move = Annealer::Move;
    switch (move) {
    case Move::SwapCells:
        std::swap(s[a], s[b]);
        break;
    case Move::SwapRows:
        for (int column = 0; column < columns; ++column)
            std::swap(s[columns * a + column], s[columns * b + column]);
        break;
    case Move::SwapColumns:
        for (int row = 0; row < rows; ++row)
            std::swap(s[columns * row + a], s[columns * row + b]);
        break;
    case Move::Transpose:
        static_assert(rows == columns, "only a square transposes into its own shape");
        for (int row = 0; row < rows; ++row) {
            for (int column = row + 1; column < columns; ++column)
                std::swap(s[columns * row + column], s[columns * column + row]);
        }
        break;
    case Move::FlipRows:
        for (int row = 0; row < rows / 2; ++row) {
            for (int column = 0; column < columns; ++column)
                std::swap(s[columns * row + column], s[columns * (rows - 1 - row) + column]);
        }
        break;
    case Move::FlipColumns:
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns / 2; ++column)
                std::swap(s[columns * row + column], s[columns * row + columns - 1 - column]);
        }
        break;
    case Move::Reverse:
        std::reverse(s, s + cells);
        break;
    case Move::OrderRows: {
        const std::array<int, rows> order = newOrder<rows>(random);
        std::array<Letter, cells> was;
        std::copy_n(s, cells, was.begin());
        for (int row = 0; row < rows; ++row)
            std::copy_n(was.begin() + columns * order[row], columns, s + columns * row);
        break;
    }
    case Move::OrderColumns: {
        const std::array<int, columns> order = newOrder<columns>(random);
        std::array<Letter, cells> was;
        std::copy_n(s, cells, was.begin());
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column)
                s[columns * row + column] = was[std::size_t(columns * row + order[column])];
        }
        break;
    }
    case Move::OrderInRow: {
        const std::array<int, columns> order = newOrder<columns>(random);
        std::array<Letter, columns> was;
        std::copy_n(s + columns * a, columns, was.begin());
        for (int column = 0; column < columns; ++column)
            s[columns * a + column] = was[std::size_t(order[column])];
        break;
    }
    case Move::OrderInColumn: {
        const std::array<int, rows> order = newOrder<rows>(random);
        std::array<Letter, rows> was;
        for (int row = 0; row < rows; ++row)
            was[std::size_t(row)] = s[columns * row + a];
        for (int row = 0; row < rows; ++row)
            s[columns * row + a] = was[std::size_t(order[row])];
        break;
    }
    }
}

} // namespace

void Annealer::applyMove(Square &square, Move move, int a, int b, Random &random)
{
    moveCells(square.data(), move, a, b, random);
}

void Annealer::apply(Move move, int a, int b)
{
    Letter *s = m_square.data();
    if (move == Move::SwapCells) {
        std::swap(s[a], s[b]);
        m_cellOf[s[a]] = Letter(a);
        m_cellOf[s[b]] = Letter(b);
        return;
    }
    std::copy_n(s, cells, m_squareSaved.begin());
    moveCells(s, move, a, b, m_random);
    for (int cell = 0; cell < cells; ++cell)
        m_cellOf[s[cell]] = Letter(cell);
}

void Annealer::undo(Move move, int a, int b)
{
    if (move == Move::SwapCells) {
        apply(move, a, b);
        return;
    }
    std::copy_n(m_squareSaved.begin(), cells, m_square.begin());
    for (int cell = 0; cell < cells; ++cell)
        m_cellOf[m_square[cell]] = Letter(cell);
}

Annealer::Move Annealer::drawMove(const SearchPlan &plan, int &a, int &b)
{
    const std::uint64_t r = m_random.next();
    a = int(((r & 0xFFFFFFFF) * cells) >> 32);
    b = (a + 1 + int((((r >> 32) & 0xFFFF) * (cells - 1)) >> 16)) % cells;
    const int percent = int((r >> 48) % 100);
    if (percent < plan.swapPercent)
        return Move::SwapCells;
    if (percent < plan.swapPercent + plan.lineOrderPercent)
        return m_random.below(2) ? Move::OrderRows : Move::OrderColumns;
    if (percent < plan.swapPercent + plan.lineOrderPercent + plan.inLinePercent) {
        const bool byRows = m_random.below(2);
        a = byRows ? a % rows : a % columns;
        return byRows ? Move::OrderInRow : Move::OrderInColumn;
    }
    // Two rows or columns, the transposition and the flips, alike often.
    const auto kind = Move(1 + m_random.below(6));
    const int lines = kind == Move::SwapRows ? rows : columns;
    a %= lines;
    b = (a + 1 + b % (lines - 1)) % lines;
    return kind;
}

void Annealer::decryptAll()
{
    decryptPairs(m_first.data(), m_second.data(), m_first.size(), m_square.data(), m_cellOf.data(), m_decrypt,
                 m_plain.data());
}

void Annealer::decryptSwapped(Letter x, Letter y)
{
    Letter *plain = m_plain.data();
#ifdef PLAYFAIR_AVX2_PATH
    if (m_avx2) {
        groupsum::avx2Swap(plain, m_letters, x, y);
    } else
#endif
    {
        groupsum::plainSwap(plain, m_letters, x, y);
    }
    for (const Letter letter : {x, y}) {
        for (const std::uint32_t i : m_pairsWith[letter]) {
            const std::uint16_t to = m_decrypt[cells * m_cellOf[m_first[i]] + m_cellOf[m_second[i]]];
            plain[2 * i] = m_square[to & 0xFF];
            plain[2 * i + 1] = m_square[to >> 8];
        }
    }
}

void Annealer::setSecondLanguage(const GroupScore *score, const GroupScore *finer)
{
    m_otherScore = score;
    m_otherFinish = finer;
    if (score)
        m_otherRescale = m_score.rescaleFrom(*score);
    if (finer && m_finish)
        m_otherFinishRescale = m_finish->rescaleFrom(*finer);
}

void Annealer::setLanguage(const GroupScore &score, const GroupScore *finer)
{
    m_score = score;
    m_finish = finer;
    m_otherScore = nullptr;
    m_otherFinish = nullptr;
    m_leadIsOther = false;
    m_finishLeadIsOther = false;
}

int Annealer::reading(const GroupScore &first, const GroupScore *other, const GroupScore::Rescale &rescale,
                      bool inOther) const
{
    if (!inOther || !other)
        return first.sum(m_plain.data(), m_letters);
    const double groups = double(m_letters >= std::size_t(other->order) ? m_letters - std::size_t(other->order) + 1 : 0);
    return int(std::lround(rescale.a * double(other->sum(m_plain.data(), m_letters)) + rescale.b * groups));
}

int Annealer::bestOfTwo(const GroupScore &first, const GroupScore *other, const GroupScore::Rescale &rescale) const
{
    const int own = reading(first, other, rescale, false);
    return other ? std::max(own, reading(first, other, rescale, true)) : own;
}

int Annealer::cribPenaltyOf() const
{
    return m_crib ? cribPenalty * m_crib->mismatches(m_plain.data()) : 0;
}

int Annealer::scorePlain() const
{
    return bestOfTwo(m_score, m_otherScore, m_otherRescale) - cribPenaltyOf();
}

int Annealer::leadScore() const
{
    return reading(m_score, m_otherScore, m_otherRescale, m_leadIsOther) - cribPenaltyOf();
}

int Annealer::finishLeadScore() const
{
    return reading(*m_finish, m_otherFinish, m_otherFinishRescale, m_finishLeadIsOther) - cribPenaltyOf();
}

int Annealer::evaluate()
{
    decryptAll();
    return scorePlain();
}

int Annealer::scoreOf(const Square &square)
{
    setSquare(square);
    return evaluate();
}

template<typename Score>
int Annealer::climb(int score, Score scoreOf, std::uint64_t &tried, const std::atomic<bool> &stop,
                    std::atomic<std::uint64_t> &keys)
{
    bool improved = true;
    while (improved && !stop.load(std::memory_order_relaxed)) {
        improved = false;
        for (int a = 0; a < cells; ++a) {
            for (int b = a + 1; b < cells; ++b) {
                std::copy_n(m_plain.begin(), m_letters, m_saved.begin());
                const Letter x = m_square[a];
                const Letter y = m_square[b];
                apply(Move::SwapCells, a, b);
                decryptSwapped(x, y);
                const int tryScore = scoreOf();
                if (++tried % 1024 == 0)
                    keys.fetch_add(1024, std::memory_order_relaxed);
                if (tryScore > score) {
                    score = tryScore;
                    improved = true;
                } else {
                    apply(Move::SwapCells, a, b);
                    std::copy_n(m_saved.begin(), m_letters, m_plain.begin());
                }
            }
        }
    }
    return score;
}

void Annealer::offerCurrent(int score, CandidatePool &pool) const
{
    Candidate candidate;
    std::copy_n(m_square.begin(), cells, candidate.square.begin());
    candidate.score = score;
    candidate.plainHash = plainHash(m_plain.data(), m_letters);
    pool.offer(candidate);
}

Annealer::Outcome Annealer::restart(const SearchPlan &plan, const Square *best, const std::atomic<bool> &stop,
                                    std::atomic<std::uint64_t> &keys, CandidatePool *pool)
{
    Outcome outcome;
    Square start;
    outcome.fromScratch = best == nullptr || int(m_random.below(100)) >= plan.fromBestPercent;
    if (outcome.fromScratch) {
        for (int cell = 0; cell < cells; ++cell)
            start[cell] = Letter(cell);
        for (int cell = cells - 1; cell > 0; --cell)
            std::swap(start[cell], start[m_random.below(cell + 1)]);
    } else {
        start = *best;
        for (int k = 0; k < plan.shakeSwaps; ++k) {
            const int a = int(m_random.below(cells));
            const int b = (a + 1 + int(m_random.below(cells - 1))) % cells;
            std::swap(start[a], start[b]);
        }
    }
    setSquare(start);
    m_finishLeadIsOther = m_otherFinish && m_leadIsOther;

    fillThresholds(m_threshold, m_score, plan.temperatureLog10);
    // From this move on the search climbs the finer score.
    const std::uint32_t modelFrom = m_finish && plan.modelPercent > 0
        ? std::uint32_t(std::uint64_t(plan.movesPerRestart) * std::uint64_t(100 - std::min(plan.modelPercent, 100)) / 100)
        : plan.movesPerRestart;
    bool inModel = false;

    decryptAll();
    int current = leadScore();
    int bestScore = current;
    std::copy_n(m_square.begin(), cells, outcome.square.begin());
    std::uint64_t tried = 1;

    for (std::uint32_t moves = 0; moves < plan.movesPerRestart; ++moves) {
        if (moves == modelFrom) {
            // It goes on from the best square the groups led to, and keeps
            // the best by the finer score from there.
            inModel = true;
            fillThresholds(m_threshold, *m_finish, plan.temperatureLog10 * plan.modelTemperature);
            setSquare(outcome.square);
            decryptAll();
            current = finishLeadScore();
            bestScore = current;
        }
        int a = 0;
        int b = 0;
        const Move move = drawMove(plan, a, b);
        std::copy_n(m_plain.begin(), m_letters, m_saved.begin());
        if (move == Move::SwapCells) {
            const Letter x = m_square[a];
            const Letter y = m_square[b];
            apply(move, a, b);
            decryptSwapped(x, y);
        } else {
            apply(move, a, b);
            decryptAll();
        }
        const int score = inModel ? finishLeadScore() : leadScore();
        if (++tried % 1024 == 0) {
            keys.fetch_add(1024, std::memory_order_relaxed);
            if (stop.load(std::memory_order_relaxed)) {
                outcome.finished = false;
                break;
            }
        }
        if (score - current >= m_threshold[m_random.next() & (m_threshold.size() - 1)]) {
            current = score;
            if (pool) {
                // The pool ranks by the four-letter groups throughout.
                const int groups = inModel ? scorePlain() : score;
                if (groups > pool->threshold())
                    offerCurrent(groups, *pool);
            }
            if (score > bestScore) {
                bestScore = score;
                std::copy_n(m_square.begin(), cells, outcome.square.begin());
            }
        } else {
            undo(move, a, b);
            std::copy_n(m_saved.begin(), m_letters, m_plain.begin());
        }
    }

    setSquare(outcome.square);
    decryptAll();
    finishOutcome(outcome, bestScore, inModel, tried, stop, keys, pool);
    return outcome;
}

void Annealer::finishOutcome(Outcome &outcome, int bestScore, bool inModel, std::uint64_t &tried,
                             const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys, CandidatePool *pool)
{
    if (outcome.finished && !inModel)
        bestScore = climb(leadScore(), [this] { return leadScore(); }, tried, stop, keys);
    if (outcome.finished && m_finish)
        climb(finishLeadScore(), [this] { return finishLeadScore(); }, tried, stop, keys);
    if (m_finish && (outcome.finished || inModel))
        bestScore = scorePlain();
    std::copy_n(m_square.begin(), cells, outcome.square.begin());
    if (pool)
        offerCurrent(bestScore, *pool);
    outcome.score = bestScore;
    keys.fetch_add(tried % 1024, std::memory_order_relaxed);
}

void Annealer::fillThresholds(Thresholds &threshold, const GroupScore &score, double log10)
{
    // A move that loses d units is taken when d >= T ln u, u uniform in (0, 1).
    const double temperature = log10 * score.spreadLog10 / SearchPlan::quadgramSpread / score.unitLog10;
    for (std::size_t i = 0; i < threshold.size(); ++i)
        threshold[i] = std::int32_t(std::floor(temperature * std::log((double(i) + 0.5) / double(threshold.size()))));
}

bool Annealer::walk(Square &square, int &current, const Thresholds &threshold, const SearchPlan &plan,
                    std::uint32_t moves, Square &best, int &bestScore, std::uint64_t &tried,
                    const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys, CandidatePool *pool)
{
    setSquare(square);
    decryptAll();
    bool finished = true;
    for (std::uint32_t move = 0; move < moves; ++move) {
        int a = 0;
        int b = 0;
        const Move kind = drawMove(plan, a, b);
        std::copy_n(m_plain.begin(), m_letters, m_saved.begin());
        if (kind == Move::SwapCells) {
            const Letter x = m_square[a];
            const Letter y = m_square[b];
            apply(kind, a, b);
            decryptSwapped(x, y);
        } else {
            apply(kind, a, b);
            decryptAll();
        }
        const int score = leadScore();
        if (++tried % 1024 == 0) {
            keys.fetch_add(1024, std::memory_order_relaxed);
            if (stop.load(std::memory_order_relaxed)) {
                finished = false;
                break;
            }
        }
        if (score - current >= threshold[m_random.next() & (threshold.size() - 1)]) {
            current = score;
            if (pool && score > pool->threshold())
                offerCurrent(score, *pool);
            if (score > bestScore) {
                bestScore = score;
                std::copy_n(m_square.begin(), cells, best.begin());
            }
        } else {
            undo(kind, a, b);
            std::copy_n(m_saved.begin(), m_letters, m_plain.begin());
        }
    }
    std::copy_n(m_square.begin(), cells, square.begin());
    return finished;
}

Annealer::Outcome Annealer::temper(const SearchPlan &plan, const std::atomic<bool> &stop,
                                   std::atomic<std::uint64_t> &keys, CandidatePool *pool)
{
    const int replicas = std::max(plan.replicas, 1);
    // The rungs: the plan's temperature times ladder^(k / (replicas - 1)).
    m_ladder.resize(std::size_t(replicas));
    std::vector<double> temperature(static_cast<std::size_t>(replicas));
    for (int k = 0; k < replicas; ++k) {
        const double rise = replicas > 1 ? std::pow(plan.ladder, double(k) / double(replicas - 1)) : 1;
        temperature[std::size_t(k)] = plan.temperatureLog10 * rise * m_score.spreadLog10 / SearchPlan::quadgramSpread
            / m_score.unitLog10;
        fillThresholds(m_ladder[std::size_t(k)], m_score, plan.temperatureLog10 * rise);
    }
    struct Replica
    {
        Square square{};
        int score = 0;
    };
    std::vector<Replica> replica(static_cast<std::size_t>(replicas));
    for (Replica &r : replica) {
        for (int cell = 0; cell < cells; ++cell)
            r.square[cell] = Letter(cell);
        for (int cell = cells - 1; cell > 0; --cell)
            std::swap(r.square[cell], r.square[m_random.below(cell + 1)]);
        setSquare(r.square);
        decryptAll();
        r.score = leadScore();
    }
    m_finishLeadIsOther = m_otherFinish && m_leadIsOther;
    Outcome outcome;
    int bestScore = replica[0].score;
    outcome.square = replica[0].square;
    std::uint64_t tried = std::uint64_t(replicas);
    const std::uint32_t interval = std::max<std::uint32_t>(plan.exchangeMoves, 1);
    for (std::uint32_t done = 0; done < plan.movesPerRestart && outcome.finished; done += interval) {
        const std::uint32_t moves = std::min(interval, plan.movesPerRestart - done);
        for (int k = 0; k < replicas && outcome.finished; ++k) {
            Replica &r = replica[std::size_t(k)];
            outcome.finished = walk(r.square, r.score, m_ladder[std::size_t(k)], plan, moves, outcome.square, bestScore,
                                    tried, stop, keys, k == 0 ? pool : nullptr);
        }
        // Neighbours swap squares with the probability that keeps each
        // rung's distribution: exp((s_hot - s_cold) (1/T_cold - 1/T_hot)).
        for (int k = int(done / interval % 2); k + 1 < replicas; k += 2) {
            Replica &cold = replica[std::size_t(k)];
            Replica &hot = replica[std::size_t(k + 1)];
            const double exponent = double(hot.score - cold.score)
                * (1 / temperature[std::size_t(k)] - 1 / temperature[std::size_t(k + 1)]);
            const double u = (double(m_random.next() >> 11) + 0.5) * 0x1.0p-53;
            if (exponent >= 0 || u < std::exp(exponent))
                std::swap(cold, hot);
        }
    }
    setSquare(outcome.square);
    decryptAll();
    finishOutcome(outcome, bestScore, false, tried, stop, keys, pool);
    return outcome;
}

} // namespace playfair::analysis
